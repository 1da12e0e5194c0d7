#include "RecordKind.h"

#include "RecordModel.h"
#include "platform/DelphiNumbers.h"

namespace record {

KindChoice ChooseRecordKind(const QString& idClient, const QString& typeVO, const QString& statutVD,
                            int idTypeVO) {
    if (!idClient.isEmpty()) return {KindCL, QStringLiteral("TVC"), {}};
    KindChoice c{{}, QStringLiteral("tVO"), typeVO};
    if (c.RecordTypeVO.isEmpty()) c.RecordTypeVO = idTypeVO == 1 ? QStringLiteral("1") : QStringLiteral("2");
    if (c.RecordTypeVO == u"1")
        c.RecordKind = KindVO;
    else if (!statutVD.isEmpty() && idTypeVO == 3)
        c.RecordKind = KindVD;
    else
        c.RecordKind = KindVN;
    return c;
}

QString RecordIdOf(const server::TXml& section) {
    QString id;
    server::XmlGet(section, QStringLiteral("idVO"), id);
    server::XmlGet(section, QStringLiteral("idtVO"), id);
    return id;
}

bool IsNewRecordId(const QString& id) {
    return platform::StrToIntDef(id, 0) <= 0;
}

QString InfoVOAddress(const QString& baseHRef, const QString& idTVO, const QString& idUser) {
    return baseHRef + QStringLiteral("AxInfoVO?XMLC_OutputFormat=XML&idTVO=") + idTVO +
           QStringLiteral("&UserID=") + idUser;
}

QString InfoCLAddress(const QString& baseHRef, const QString& idUser) {
    return baseHRef + QStringLiteral("AxInfoCL?XMLC_OutputFormat=XML&UserID=") + idUser;
}

} // namespace record
