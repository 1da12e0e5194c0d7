#include "FieldValue.h"

#include "platform/DelphiDate.h"
#include "platform/DelphiNumbers.h"

namespace record {

QString DecodeEditText(QString text) {
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&cr;"), QStringLiteral("\r\n"));
}

void LoadFieldValue(TsDesc& desc, const server::TXml& valueCursor, bool isNew) {
    QString value;
    if (isNew) value = desc.defval;
    else server::XmlGet(valueCursor, desc.ValueTag(), value);
    if (desc.tControl == 109 && desc.tInfo == 2) value = DecodeEditText(value);
    if (desc.tInfo == 1 && value == u"now") value = platform::DateToStr(platform::Date());
    if (desc.tInfo == 4 || desc.tInfo == 5) value.remove(u' ');
    if (desc.tInfo == 5) {
        double amount = 0;
        if (!platform::TryStrToFloat(value, amount)) amount = 0;
        value = platform::FormatAmount(amount);
    }
    desc.OrigValue = isNew ? QString() : value;
    desc.CurValue = value;
}

} // namespace record
