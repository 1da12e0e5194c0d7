#pragma once
// The trace log "TAXGarvex.log" in TempDir, written only while the trace is on.
#include <QString>

namespace app {

class TraceLog {
public:
    bool TraceOn = false;
    QString TempDir;

    QString FileName() const;
    // Appends "dd/mm/yyyy hh:nn:ss - message" CR LF. While the file is missing, or with an empty
    // message, the file is created anew and empty instead (that message is lost). False when the
    // file cannot be written.
    bool WriteTrace(const QString& message) const;
};

} // namespace app
