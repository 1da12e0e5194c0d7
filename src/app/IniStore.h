#pragma once
// The per-user INI file and its "Options" key/value store.
#include <QString>

namespace app {

// %APPDATA%/Garvex/TAXGarvex.ini
QString GetIniFileName();
// "Options"/name, empty when missing.
QString GetTagRegistry(const QString& name);
// False when the file cannot be written.
bool SetTagRegistry(const QString& name, const QString& value);

} // namespace app
