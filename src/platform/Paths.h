#pragma once
// The Linux places of %APPDATA% and %TEMP%.
#include <QString>

namespace platform {

// APPDATA when set, else $XDG_CONFIG_HOME, else ~/.config.
QString AppDataDir();
// TEMP when set, else TMPDIR, else /tmp.
QString TempDir();

} // namespace platform
