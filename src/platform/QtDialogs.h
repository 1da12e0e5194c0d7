#pragma once
// The desktop's own message boxes, cursor, keyboard state, browser and folder picker.
#include "platform/Dialogs.h"

class QWidget;

namespace platform {

class QtDialogs : public Dialogs {
public:
    // Message boxes are modal to this window (none: to the application).
    void SetOwner(QWidget* owner) { m_owner = owner; }

    MsgAnswer MessageBox(const QString& text, const QString& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    void SetCursor(Cursor cursor) override;
    Cursor CurrentCursor() const override;
    bool CtrlHeld() const override;
    bool OpenBrowser(const QString& address) override;
    QString PickFolder(const QString& caption, const QString& startFolder) override;

private:
    QWidget* m_owner = nullptr;
};

} // namespace platform
