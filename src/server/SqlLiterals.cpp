#include "SqlLiterals.h"

#include "platform/DelphiDate.h"

#include <cctype>

namespace server {
namespace {

// Blanks and control characters, as the Delphi Trim removes them.
QString trimmed(const QString& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && text[from].unicode() <= u' ') ++from;
    while (to > from && text[to - 1].unicode() <= u' ') --to;
    return text.mid(from, to - from);
}

// Reads an integer as Delphi's StrToInt does: leading blanks, a sign, decimal or "$" hex digits.
bool readsAsNonNegative(QStringView group) {
    qsizetype i = 0;
    while (i < group.size() && group[i] == u' ') ++i;
    bool negative = false;
    if (i < group.size() && (group[i] == u'+' || group[i] == u'-')) negative = group[i++] == u'-';
    const bool hex = i < group.size() && group[i] == u'$';
    const QStringView digits = group.mid(hex ? i + 1 : i);
    if (digits.isEmpty()) return false;
    bool zero = true;
    for (const QChar c : digits) {
        const bool ok = c.unicode() < 128 && (hex ? std::isxdigit(c.unicode()) : std::isdigit(c.unicode()));
        if (!ok) return false;
        zero = zero && c == u'0';
    }
    return !negative || zero;
}

} // namespace

QString QuoteSqlText(const QString& text) {
    QString t = trimmed(text);
    t.replace(u'"', QStringLiteral("%22"));
    t.replace(u'&', QStringLiteral("%26"));
    t.replace(u'<', QStringLiteral("%3C"));
    t.replace(u'>', QStringLiteral("%3E"));
    t.replace(u'\'', QStringLiteral("''"));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("%0D%0A"));
    return u'\'' + t + u'\'';
}

QString SqlFloatText(const QString& text) { return trimmed(text).replace(u',', u'.'); }

QString SqlDateText(const QString& text) {
    const platform::TDateTime d = platform::StrToDateDef(text, platform::kZeroDate);
    if (d == platform::kZeroDate) return QStringLiteral("NULL");
    return u'#' + platform::FormatDateTime(u"mm/dd/yyyy", d) + u'#';
}

QString FormatPhone(const QString& text) {
    QString result;
    const qsizetype last = text.size() - 1;
    qsizetype start = 0;
    qsizetype length = text.size() % 2 == 1 ? 3 : 2;
    while (start < last) {
        const QString group = text.mid(start, length);
        if (!readsAsNonNegative(group)) return text;
        if (start > 0) result += u'.';
        result += group;
        start += length;
        length = 2;
    }
    return result;
}

} // namespace server
