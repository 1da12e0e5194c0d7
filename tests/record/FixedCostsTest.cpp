#include "record/FixedCosts.h"

#include "platform/DelphiDate.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(FixedCosts, TheFeeOfThePrivateBuyersSiteOnceOnly) {
    platform::SetClock([] { return QDateTime(QDate(2009, 12, 25), QTime(9, 30)); });
    const server::TXml equip =
        server::TXml("<document><InfoSiteS>"
                     "<InfoSite><Site>Nord</Site><Marques>A</Marques></InfoSite>"
                     "<InfoSite><Site>SUD</Site><MontantFraisDossier>150</MontantFraisDossier></InfoSite>"
                     "<InfoSite><Site>EST</Site><MontantFraisDossier>x</MontantFraisDossier></InfoSite>"
                     "</InfoSiteS></document>");
    const server::TXml noCost =
        server::TXml("<document><FrevoS><Frevo><TypeFrevo>interne</TypeFrevo></Frevo></FrevoS></document>");
    const server::TXml fixedCost =
        server::TXml("<document><FrevoS><Frevo><TypeFrevo>Fixe</TypeFrevo></Frevo></FrevoS></document>");
    const QString statement =
        "Insert into [tVO - Frevo] (DateFrevo, TypeFrevo, MontantHT, idVO, idFrevo ) Values "
        "(#12/25/2009#,'fixe', 150.00, 12, :NewID) ";
    const struct {
        const char* what;
        const server::TXml& record;
        QString site, destination, idVO, expected;
    } cases[] = {
        {"private buyer, site in any case", noCost, "sud", "Particuliers", "12", statement},
        {"a trader", noCost, "SUD", "MARCHANDS", "12", ""},
        {"already charged", fixedCost, "SUD", "PARTICULIERS", "12", ""},
        {"a site without fee", noCost, "NORD", "PARTICULIERS", "12", ""},
        {"a fee that is no number", noCost, "EST", "PARTICULIERS", "12", ""},
        {"an unknown site", noCost, "OUEST", "PARTICULIERS", "12", ""},
        {"no vehicle key", noCost, "SUD", "PARTICULIERS", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(record::FixedCostStatement(c.record, equip, c.site, c.destination, c.idVO), c.expected)
            << c.what;
    platform::SetClock({});
}
