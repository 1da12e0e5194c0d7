#include "Paths.h"

#include <QDir>

namespace platform {
namespace {

QString firstSet(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const QString v = qEnvironmentVariable(name);
        if (!v.isEmpty()) return v;
    }
    return {};
}

} // namespace

QString AppDataDir() {
    const QString v = firstSet({"APPDATA", "XDG_CONFIG_HOME"});
    return v.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : v;
}

QString TempDir() {
    const QString v = firstSet({"TEMP", "TMPDIR"});
    return v.isEmpty() ? QStringLiteral("/tmp") : v;
}

} // namespace platform
