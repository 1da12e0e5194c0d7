#include "IniStore.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"

namespace app {

QString GetIniFileName() { return platform::AppDataDir() + QStringLiteral("/Garvex/TAXGarvex.ini"); }

QString GetTagRegistry(const QString& name) {
    return platform::IniFile(GetIniFileName()).ReadString(u"Options", name);
}

bool SetTagRegistry(const QString& name, const QString& value) {
    return platform::IniFile(GetIniFileName()).WriteString(u"Options", name, value);
}

} // namespace app
