#include "Win1252.h"

#include "Win1252Table.h"

namespace platform {
namespace {

char encodeUnit(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < kWin1252High.size(); ++i)
        if (kWin1252High[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString fromWin1252(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = QChar(b >= 0x80 && b < 0xA0 ? kWin1252High[b - 0x80] : char16_t(b));
    }
    return out;
}

QByteArray toWin1252(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A pair of surrogates is one character outside the code page: one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        out.append(encodeUnit(c.unicode()));
    }
    return out;
}

} // namespace platform
