#include "ScriptedDialogs.h"

namespace platform {

MsgAnswer ScriptedDialogs::MessageBox(const QString& text, const QString& caption, MsgButtons buttons,
                                      MsgIcon icon) {
    shown.push_back({text, caption, buttons, icon});
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (answers.empty()) {
        ++unexpected;
        return MsgAnswer::No;
    }
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
}

bool ScriptedDialogs::OpenBrowser(const QString& address) {
    opened << address;
    return browserFound;
}

} // namespace platform
