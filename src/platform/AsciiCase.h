#pragma once
// Upper and lower case of the letters a to z only: record values keep their accents as typed.
#include <QString>

namespace platform {

QString asciiUpper(QStringView text);
QString asciiLower(QStringView text);

} // namespace platform
