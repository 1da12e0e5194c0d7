#include "TraceLog.h"

#include "platform/DelphiDate.h"
#include "platform/Win1252.h"

#include <QFile>

namespace app {

QString TraceLog::FileName() const { return TempDir + QStringLiteral("/TAXGarvex.log"); }

bool TraceLog::WriteTrace(const QString& message) const {
    if (!TraceOn) return true;
    QFile f(FileName());
    if (!f.exists() || message.isEmpty()) return f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    const QString line =
        platform::FormatDateTime(u"dd/mm/yyyy hh:nn:ss", platform::Now()) + QStringLiteral(" - ") + message;
    const QByteArray bytes = platform::toWin1252(line) + "\r\n";
    return f.write(bytes) == bytes.size();
}

} // namespace app
