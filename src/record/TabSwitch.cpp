#include "TabSwitch.h"

#include "app/AxGarvex.h"
#include "platform/FormBuilder.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace record {

TTabSwitch::TTabSwitch(app::TAxGarvex& form) : F(form) {
    for (int i = 0; i < 4; ++i) {
        LbResa[i] =
            platform::Require<QLabel>(form.Sheets[2], QStringLiteral("LbResa%1").arg(i + 1).toLatin1());
        LbResa[i]->setTextFormat(Qt::PlainText);
        QPalette p = LbResa[i]->palette();
        p.setColor(QPalette::WindowText, QColor(150, 20, 20)); // a reserved vehicle must be seen as such
        LbResa[i]->setPalette(p);
    }
    QFont bold = LbResa[0]->font();
    bold.setBold(true);
    LbResa[0]->setFont(bold);
    form.Tabs->tabBar()->installEventFilter(this);
    form.Tabs->installEventFilter(this);
    connect(form.Tabs, &QTabWidget::currentChanged, this, [this] { TabsChange(); });
}

void TTabSwitch::GetInfoReservation() {
    server::TXml& record = F.State.XmlRecord;
    server::XmlSelect(record, QStringLiteral("ResaS"));
    const bool found = server::XmlNext(record, QStringLiteral("Resa")) != 0;
    if (found) {
        const auto child = [&](const char* name) { return server::XmlValue(record, name); };
        LbResa[0]->setText(QStringLiteral("Réservation jusqu'au ") + child("DResaMax") +
                           QStringLiteral(" inclus."));
        LbResa[1]->setText(QStringLiteral("Vendeur : ") + child("Vendeur"));
        LbResa[2]->setText(QStringLiteral("Acheteur : ") + child("Acheteur"));
        LbResa[3]->setText(child("Commentaire"));
    }
    for (QLabel* label : LbResa)
        label->setVisible(found);
}

bool TTabSwitch::TabsChanging() {
    if (!F.JvXPBtnSave->isEnabled() || !SaveChanges) return true;
    return SaveChanges();
}

void TTabSwitch::TabsChange() {
    const int k = F.Tabs->currentIndex();
    if (k < 0) return;
    record::TsPage& sheet = F.State.Pages[k];
    if (sheet.ContentLoaded) return;
    const auto load = [](const std::function<void()>& loader) {
        if (loader) loader();
    };
    switch (k) {
    case 2:
        GetInfoReservation();
        break;
    case 4:
        load(LoadInfoFrevo);
        break;
    case 5:
        load(LoadInfoCliche);
        break;
    case 6:
        load(LoadInfoAction);
        break;
    case 7:
        F.State.VehicleIndex = 0;
        load(LoadInfoVehicle);
        break;
    default:
        break;
    }
    if (k == 2 || (k >= 4 && k <= 7)) sheet.ContentLoaded = true;
    F.PanelSplash->hide();
}

namespace {

// The keys that move to another tab: Ctrl+Tab, Ctrl+PgUp, Ctrl+PgDown on the page control, the
// arrows, Home and End on its focused tab bar.
bool movesTab(const QKeyEvent* key, bool onTabBar) {
    if (key->modifiers() & Qt::ControlModifier)
        return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_PageUp ||
               key->key() == Qt::Key_PageDown;
    return onTabBar && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                        key->key() == Qt::Key_Home || key->key() == Qt::Key_End);
}

} // namespace

bool TTabSwitch::eventFilter(QObject* watched, QEvent* event) {
    QTabBar* bar = F.Tabs->tabBar();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (watched == bar) {
            const int target = bar->tabAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (target >= 0 && target != bar->currentIndex() && !TabsChanging()) return true;
        }
        break;
    case QEvent::Wheel:
        if (watched == bar && !TabsChanging()) return true;
        break;
    case QEvent::KeyPress:
        if (movesTab(static_cast<QKeyEvent*>(event), watched == bar) && !TabsChanging()) return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace record
