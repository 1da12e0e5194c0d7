#include "AsciiCase.h"

namespace platform {

QString asciiUpper(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
    return out;
}

QString asciiLower(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
    return out;
}

} // namespace platform
