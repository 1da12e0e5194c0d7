#pragma once
// Readable QString and QByteArray values in GoogleTest messages.
#include <QByteArray>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* os) { *os << '"' << bytes.toStdString() << '"'; }
inline std::ostream& operator<<(std::ostream& os, const QString& text) { return os << text.toStdString(); }
