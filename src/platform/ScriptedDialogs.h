#pragma once
// Dialogs for tests: message boxes are recorded and answered from a queue, the Ctrl key and the
// folder picker return what the test set, browser addresses are recorded.
#include "platform/Dialogs.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace platform {

class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString caption;
        MsgButtons buttons;
        MsgIcon icon;
    };

    // Answers for the Yes/No boxes, in order. A box with nothing left in the queue answers No
    // (the answer that changes nothing) and counts as unexpected.
    std::deque<MsgAnswer> answers;
    std::vector<Shown> shown;
    int unexpected = 0;
    bool ctrl = false;
    QString folder;
    QStringList opened;
    bool browserFound = true;

    MsgAnswer MessageBox(const QString& text, const QString& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    void SetCursor(Cursor cursor) override { m_cursor = cursor; }
    Cursor CurrentCursor() const override { return m_cursor; }
    bool CtrlHeld() const override { return ctrl; }
    bool OpenBrowser(const QString& address) override;
    QString PickFolder(const QString&, const QString&) override { return folder; }

private:
    Cursor m_cursor = Cursor::Default;
};

} // namespace platform
