#include "Browser.h"

#include <QProcess>
#include <QStandardPaths>

namespace server {

bool OpenInBrowser(const QString& address) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return false;
    return QProcess::startDetached(opener, {address});
}

} // namespace server
