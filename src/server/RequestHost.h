#pragma once
// What the request layer needs from the window around it: the warning line, the trace, the idle
// counter, the Ctrl key, the event pump and two parameters. The app binds these to LbDebugInfo0,
// PanelWarning, the trace log and the timer; tests bind them to plain values.
#include <QString>

namespace server {

class RequestHost {
public:
    virtual ~RequestHost() = default;

    // LbDebugInfo0; the red band shows exactly when the text is not empty.
    virtual void SetWarningLine(const QString& text) = 0;
    virtual QString WarningLine() const = 0;
    virtual void WriteTrace(const QString& message) = 0;
    // Whole seconds since the last request, counted by the timer.
    virtual int& IdleSeconds() = 0;
    virtual bool CtrlHeld() const = 0;
    // Called between polls while a request waits, so that the window stays alive.
    virtual void ProcessEvents() = 0;
    // The customer identifier appended to every HttpExecute address.
    virtual QString idClient() const = 0;
    virtual QString TempDir() const = 0;
};

} // namespace server
