#include "DelphiNumbers.h"

#include <cmath>
#include <limits>

namespace platform {

bool TryStrToInt(QStringView text, int& value) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return false;
    qint64 v = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        else return false;
        v = v * base + digit;
        if (v > qint64(std::numeric_limits<int>::max()) + 1) return false;
    }
    v = negative ? -v : v;
    if (v > std::numeric_limits<int>::max()) return false;
    value = static_cast<int>(v);
    return true;
}

int StrToIntDef(QStringView text, int fallback) {
    int v;
    return TryStrToInt(text, v) ? v : fallback;
}

bool TryStrToFloat(QStringView text, double& value) {
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace()) return false;
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return false;
    value = v;
    return true;
}

QString FormatAmount(double value) {
    QString text = QString::number(value, 'f', 2);
    return text == QStringLiteral("-0.00") ? QStringLiteral("0.00") : text;
}

} // namespace platform
