#include "Hints.h"

#include "Controls.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QWidget>

namespace platform {
namespace {

class AppStyle : public QProxyStyle {
public:
    AppStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return HintShowPause;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

QStyle* CreateAppStyle() {
    return new AppStyle;
}

HintFilter::HintFilter(HintEvent onHint, QObject* parent) : QObject(parent), m_onHint(std::move(onHint)) {
    qApp->installEventFilter(this);
}

bool HintFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Enter && event->type() != QEvent::ToolTip) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    const QString hint = Hint(widget);
    if (hint.isEmpty()) return false;
    if (event->type() == QEvent::Enter) {
        m_onHint(LongHint(hint));
        return false;
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), ShortHint(hint), widget, {}, HintHidePause);
    return true;
}

} // namespace platform
