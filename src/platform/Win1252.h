#pragma once
// The one conversion between the program's texts and the 8-bit Windows-1252 bytes of the wire,
// the response files and the INI file.
#include <QByteArray>
#include <QString>

namespace platform {

// Every byte maps to one UTF-16 unit; the five bytes Windows leaves undefined map to the C1
// controls of the same value, so any byte string survives a round trip.
QString fromWin1252(QByteArrayView bytes);
// A character the code page cannot hold becomes "?".
QByteArray toWin1252(QStringView text);

} // namespace platform
