#include "SqlLiterals.h"

#include "platform/DelphiDate.h"
#include "platform/DelphiNumbers.h"

namespace server {
namespace {

// Blanks and control characters, as the Delphi Trim removes them.
QString trimmed(const QString& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && text[from].unicode() <= u' ') ++from;
    while (to > from && text[to - 1].unicode() <= u' ') --to;
    return text.mid(from, to - from);
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
        int value;
        if (!platform::TryStrToInt(group, value) || value < 0) return text;
        if (start > 0) result += u'.';
        result += group;
        start += length;
        length = 2;
    }
    return result;
}

} // namespace server
