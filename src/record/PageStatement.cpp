#include "PageStatement.h"

#include "platform/AsciiCase.h"
#include "platform/DelphiDate.h"
#include "server/SqlLiterals.h"

namespace record {

bool IsSkippedField(const TsDesc& desc) {
    const QString name = platform::asciiUpper(desc.FieldName);
    return name.contains(QStringLiteral("FDM")) ||
           (name.startsWith(QStringLiteral("FREVO")) && desc.OrigValue == u"0.00" && desc.CurValue.isEmpty()) ||
           platform::asciiUpper(desc.RightsTag).contains(QStringLiteral("READONLY")) || !desc.XmlTag.isEmpty();
}

QString SqlLiteral(int tInfo, const QString& value) {
    switch (tInfo) {
    case 1: return server::SqlDateText(value);
    case 2: return server::QuoteSqlText(value);
    case 5: return server::SqlFloatText(value);
    default: return value;
    }
}

QString StatementTable(const TsPages& pages, int page) {
    const QString table = page == 8 ? QStringLiteral("TVehiclesKundor") : pages[0].TableName;
    return table.contains(u' ') ? u'[' + table + u']' : table;
}

QString BuildPageStatement(const TsPages& pages, const StatementContext& c) {
    QStringList columns, values, changes, keys;
    bool keyMode = true;
    for (const TsDesc& d : pages[c.Page].Descs) {
        if (d.ValueControl) {
            keyMode = false;
            if (IsSkippedField(d) || d.CurValue == d.OrigValue) continue;
            // An emptied value is written NULL whatever its type.
            const QString literal = d.CurValue.isEmpty() ? QStringLiteral("NULL") : SqlLiteral(d.tInfo, d.CurValue);
            columns << d.FieldName;
            values << literal;
            changes << d.FieldName + u'=' + literal;
        } else if (keyMode) {
            keys << (d.OrigValue.isEmpty() ? QStringLiteral("(isNull(") + d.FieldName + QStringLiteral("))")
                                           : u'(' + d.FieldName + u'=' + SqlLiteral(d.tInfo, d.OrigValue) + u')');
        }
    }
    if (changes.isEmpty()) return {};
    const QString table = StatementTable(pages, c.Page);
    if (!c.Insert) return QStringLiteral("Update ") + table + QStringLiteral(" set ") + changes.join(u',') +
                          QStringLiteral(" where ") + keys.join(QStringLiteral(" and "));

    QString sql = QStringLiteral("Insert into ") + table + QStringLiteral(" (") + columns.join(u',');
    QString tail = QStringLiteral(") Values (") + values.join(u',');
    if (c.KindLabel != u"CL") {
        sql += QStringLiteral(", idTVO, TypeVO, idVO");
        tail += QStringLiteral(", :NewID, ") + c.RecordTypeVO + QStringLiteral(", :NewIDbis");
    }
    if (c.Page == 7) {
        sql += QStringLiteral(", idClient, DateCreation");
        tail += QStringLiteral(", :NewID, ") + server::SqlDateText(platform::DateToStr(platform::Date()));
    }
    if (c.Page == 8) {
        sql += QStringLiteral(", idClient, idTVO, NVO");
        tail += u',' + c.idClient + QStringLiteral(", :NewID, :NewIDbis");
    }
    return sql + QStringLiteral(", idOwner, Concession") + tail + u',' + c.idUser + QStringLiteral(", '") +
           c.UserConcession + QStringLiteral("')");
}

} // namespace record
