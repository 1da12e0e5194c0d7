#include "Controls.h"

#include "Widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QVariant>

namespace platform {
namespace {

constexpr const char* kTag = "Tag";
constexpr const char* kHint = "Hint";
constexpr const char* kLinkName = "OnChangeLink";

// Lives as a child of its control and carries the control's change handler.
class ChangeLink : public QObject {
public:
    ChangeLink(QWidget* control, ChangeHandler handler) : QObject(control), m_handler(std::move(handler)) {
        setObjectName(kLinkName);
        const auto fire = [this, control] { m_handler(control); };
        if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
            connect(memo, &QPlainTextEdit::textChanged, this, fire);
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            connect(edit, &QLineEdit::textChanged, this, fire);
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            connect(combo, &QComboBox::currentTextChanged, this, fire);
        else if (auto* list = qobject_cast<QListWidget*>(control))
            connect(list, &QListWidget::itemSelectionChanged, this, fire);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            connect(button, &QAbstractButton::toggled, this, fire);
    }

private:
    ChangeHandler m_handler;
};

ChangeLink* linkOf(const QWidget* control) {
    return control->findChild<ChangeLink*>(kLinkName, Qt::FindDirectChildrenOnly);
}

} // namespace

int Tag(const QWidget* control) {
    return control->property(kTag).toInt();
}

void SetTag(QWidget* control, int tag) {
    control->setProperty(kTag, tag);
}

void SetOnChange(QWidget* control, ChangeHandler handler) {
    delete linkOf(control);
    if (handler) new ChangeLink(control, std::move(handler));
}

bool HasOnChange(const QWidget* control) {
    return linkOf(control) != nullptr;
}

bool AttachOnChangeUnlessOwn(QWidget* control, ChangeHandler handler) {
    if (HasOnChange(control)) return false;
    SetOnChange(control, std::move(handler));
    return true;
}

QString ControlText(const QWidget* control) {
    if (auto* memo = qobject_cast<const TMemo*>(control)) return memo->Text();
    if (auto* date = qobject_cast<const TDatePicker*>(control)) return date->Text();
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    return {};
}

void SetControlText(QWidget* control, const QString& text) {
    if (auto* memo = qobject_cast<TMemo*>(control)) {
        memo->SetText(text);
    } else if (auto* date = qobject_cast<TDatePicker*>(control)) {
        date->SetText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    }
}

namespace {

void setGroupColors(QWidget* control, QPalette::ColorGroup group, const QColor& background,
                    const QColor& text) {
    QPalette p = control->palette();
    const bool disabled = group == QPalette::Disabled;
    const QPalette::ColorGroup groups[] = {disabled ? QPalette::Disabled : QPalette::Active,
                                           disabled ? QPalette::Disabled : QPalette::Inactive};
    for (auto g : groups) {
        p.setColor(g, QPalette::Base, background);
        p.setColor(g, QPalette::Window, background);
        p.setColor(g, QPalette::Button, background);
        p.setColor(g, QPalette::Text, text);
        p.setColor(g, QPalette::WindowText, text);
        p.setColor(g, QPalette::ButtonText, text);
    }
    control->setPalette(p);
}

} // namespace

void SetColors(QWidget* control, const QColor& background, const QColor& text) {
    setGroupColors(control, QPalette::Active, background, text);
}

void SetDisabledColors(QWidget* control, const QColor& background, const QColor& text) {
    setGroupColors(control, QPalette::Disabled, background, text);
}

QString ShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* control, const QString& hint) {
    control->setProperty(kHint, hint);
    control->setToolTip(ShortHint(hint));
}

QString Hint(const QWidget* control) {
    return control->property(kHint).toString();
}

QColor ColorFromBgr(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QColor InactiveBorderColor() {
    return QColor(212, 208, 200);
}

void SetFieldColors(QWidget* control, bool editable, int backColor, int fontColor) {
    const QColor text = ColorFromBgr(fontColor);
    if (editable) {
        SetColors(control,
                  backColor != 0 ? ColorFromBgr(backColor) : control->palette().color(QPalette::Base), text);
    } else {
        SetColors(control, InactiveBorderColor(), text);
        SetDisabledColors(control, InactiveBorderColor(), QColor(90, 90, 90));
    }
}

} // namespace platform
