#include "FixedCosts.h"

#include "platform/AsciiCase.h"
#include "platform/DelphiDate.h"
#include "platform/DelphiNumbers.h"

namespace record {
namespace {

bool hasFixedCost(server::TXml record) {
    server::XmlSelect(record, QStringLiteral("FrevoS"));
    while (server::XmlNext(record, QStringLiteral("Frevo")) != 0)
        if (platform::asciiUpper(server::XmlValue(record, "TypeFrevo")) == u"FIXE") return true;
    return false;
}

double siteFee(server::TXml equip, const QString& site) {
    const QString wanted = platform::asciiUpper(site);
    server::XmlSelect(equip, QStringLiteral("InfoSiteS"));
    while (server::XmlNext(equip, QStringLiteral("InfoSite")) != 0) {
        if (platform::asciiUpper(server::XmlValue(equip, "Site")) != wanted) continue;
        double fee = 0;
        return platform::TryStrToFloat(server::XmlValue(equip, "MontantFraisDossier").trimmed(), fee) ? fee
                                                                                                      : 0;
    }
    return 0;
}

} // namespace

QString FixedCostStatement(const server::TXml& record, const server::TXml& equip, const QString& site,
                           const QString& destination, const QString& idVO) {
    if (idVO.isEmpty() || platform::asciiUpper(destination) != u"PARTICULIERS") return {};
    const double fee = siteFee(equip, site);
    if (fee == 0 || hasFixedCost(record)) return {};
    // The amount goes into SQL: always "." as decimal separator.
    return QStringLiteral(
               "Insert into [tVO - Frevo] (DateFrevo, TypeFrevo, MontantHT, idVO, idFrevo ) Values (#") +
           platform::FormatDateTime(u"mm/dd/yyyy", platform::Date()) + QStringLiteral("#,'fixe', ") +
           platform::FormatAmount(fee) + QStringLiteral(", ") + idVO + QStringLiteral(", :NewID) ");
}

} // namespace record
