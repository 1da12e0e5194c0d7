#pragma once
// Everything the form asks of the desktop around it: message boxes, the mouse cursor, the Ctrl
// key, the web browser and the folder picker. The program uses QtDialogs; tests answer from a
// script (ScriptedDialogs) so that no modal box ever waits for a hand.
#include <QString>

namespace platform {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { Warning, Error, Information };
enum class MsgAnswer { Ok, Yes, No };
enum class Cursor { Default, Hourglass };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MsgAnswer MessageBox(const QString& text, const QString& caption,
                                 MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::Warning) = 0;
    // The cursor of the whole application.
    virtual void SetCursor(Cursor cursor) = 0;
    virtual Cursor CurrentCursor() const = 0;
    virtual bool CtrlHeld() const = 0;
    // False when no browser could be started.
    virtual bool OpenBrowser(const QString& address) = 0;
    // Empty when the user cancels.
    virtual QString PickFolder(const QString& caption, const QString& startFolder) = 0;
};

} // namespace platform
