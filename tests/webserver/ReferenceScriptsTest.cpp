// AxInfoStruct and AxInfoEquip: the descriptors the record form is laid out from, and the lists.
#include "WebServerFixture.h"

#include <QMap>
#include <QRect>
#include <QSet>

namespace webserver::test {
namespace {

using server::TXml;

struct Descriptor {
    QMap<QString, QString> keys;
    QString operator[](const QString& k) const { return keys.value(k); }
    int number(const QString& k) const { return keys.value(k).toInt(); }
};

const QStringList kKeys = {"descInfo", "idNum", "txtInfo", "vInfo", "tag", "defval", "width", "left", "top", "height",
                           "length", "tInfo", "tControl", "color", "notNull", "enabled", "fieldInfo"};

class ReferenceScripts : public WebServerTest {
protected:
    std::vector<Descriptor> descriptors(const std::string& concession) {
        TXml xml = get("AxInfoStruct", "UserConcession=" + concession);
        server::XmlSelect(xml, "axStructS");
        std::vector<Descriptor> out;
        while (server::XmlNext(xml, "axStruct")) {
            Descriptor d;
            for (const auto& k : kKeys) {
                QString v = "<missing>";
                server::XmlGet(xml, k, v);
                d.keys[k] = v;
            }
            out.push_back(d);
        }
        return out;
    }
    // The field descriptors of the page `page` of `kind`, in document order.
    std::vector<Descriptor> page(const std::vector<Descriptor>& all, const QString& kind, int page, QString* prefix = nullptr) {
        QString group;
        for (const auto& d : all)
            if (d["descInfo"] == kind && d["idNum"] == QString::number(page)) {
                group = d["vInfo"];
                if (prefix) *prefix = d["defval"];
            }
        std::vector<Descriptor> out;
        for (const auto& d : all)
            if (!group.isEmpty() && d["descInfo"] == group) out.push_back(d);
        return out;
    }
};

TEST_F(ReferenceScripts, EveryItemCarriesEveryKey) {
    // The client keeps a missing key's value from the item before: each item must say everything.
    const auto all = descriptors("MER");
    ASSERT_GT(all.size(), 150u);
    for (const auto& d : all)
        for (const auto& k : kKeys) EXPECT_NE(d[k], "<missing>") << k.toStdString() << " of " << d["vInfo"].toStdString();
}

TEST_F(ReferenceScripts, PagesOfTheFourKindsBindTheFormControls) {
    const auto all = descriptors("MER");
    struct Expect {
        const char* kind;
        int page;
        QStringList controls;
    };
    const Expect expected[] = {
        {"_TVO", 1, {"cNVO", "cSite", "cInfoMarque", "cInfoModele", "cInfoVersion", "cInfoCouleur", "cCV", "cKMS",
                     "cImmatriculation", "cMEC", "cDateEntree", "cDateOrdre", "cDateLivraison", "cDateDisponibilite",
                     "cDatePresFinancement", "cDatePaiement", "cDateValidationGarantie", "cDestination", "cAcheteur",
                     "cModeTVA", "cPrixVente", "cPrixReprise", "cTPVO", "cPrixGarantie", "cTypeGarantie", "cDureeGarantie",
                     "cMtComIntermediaire", "cMtComVendeur", "cVFinancement", "cComFinPrevue", "cComFinRecue",
                     "cMontantReprise", "cNomImage", "ccTVA", "cMBrute", "cTotFrevo", "cMNette"}},
        {"_TVD", 2, {"cVDNVO", "cVDSite", "cVDInfoMarque", "cVDInfoModele", "cVDInfoTypeVersion", "cVDInfoVersion",
                     "cVDInfoCouleur", "cVDCV", "cVDKMS", "cVDImmatriculation", "cVDMEC", "cVDPrixVente",
                     "cVDPrixCatalogue", "cVDInfoOptions"}},
        {"_TVN", 3, {"cVNNVO", "cVNSite", "cVNInfoMarque", "cVNInfoModele", "cVNInfoTypeVersion", "cVNInfoVersion",
                     "cVNInfoCouleur", "cVNCV", "cVNImmatriculation", "cVNMEC", "cVNAcheteur", "cVNStatutVN",
                     "cVNDateOrdre", "cVNDateCdeVW", "cVNDateFabrication", "cVNDateDisponibilite", "cVNDateLivrMaxi",
                     "cVNDateLivraison", "cVNDateDeclareLivre", "cVNDateFacture", "cVNDateDebutGarantie",
                     "cVNDateAnnulation", "cVNDateUpdateCde", "cVNDatePresFinancement", "cVNDatePaiement",
                     "cVNDestination", "cVNTypeFinancement", "cVNTypeFinancementDelai", "cVNVFinancement",
                     "cVNPrixCatalogue", "cVNPrixVente", "cVNReprPrix", "cVNMontantAcompte", "cVNSolde",
                     "cVNComFinPrevue", "cVNComFinRecue", "cVNInfoOptions", "cVNMontantAchat", "cVNDateAchat",
                     "cVNDateEcheance", "cVNSituationAchat", "cVNDateEchTresorerie", "cVNDateEchReglement",
                     "cVNDateRecFinancement", "cVNDateRecPaiement"}},
        {"_TVO", 4, {"cInfoEquiInterieur", "cInfoEquiExterieur", "cInfoEquiSecurite", "cInfoComplement"}},
        {"_TVO", 5, {"cFrevoFixe", "cFrevoFixeFDM", "cFrevoInterne", "cFrevoIntFDM", "cFrevoExterne", "cFrevoExtFDM",
                     "cFrevoPrevision", "cFrevoPrevFDM", "cFrevo", "cFrevoTotFDM"}},
        {"_TCL", 7, {"aSite", "aidCom", "aCliCivilite", "aCliOrigine", "aCliNom", "aCliPrenom", "aCliAdresse1",
                     "aCliAdresse2", "aCliCP", "aCliVille", "aCliPays", "aCliObservations", "aCliEmail", "aCliMobile",
                     "aCliTelDom", "aCliTelBur", "aCliProfession", "aCliEmployeur", "aCliDateNaissance",
                     "aCliSituationFamille", "aCliNbEnfants"}},
        {"_TCL", 8, {"vTypeVO", "vDateOrdre", "vSite", "vInfoMarque", "vInfoModele", "vInfoVersion", "vInfoTypeVersion",
                     "vMEC", "vImmatriculation", "vKMS", "vDateFinGarantie", "vTypeFinancement", "vAbbrFinancement",
                     "vMensualiteFinancement", "vDateFinFinancement", "vLieuEntretien1", "vLieuEntretien2",
                     "vDateLastSAV", "vDateNextSAV", "vKmLastSAV", "vKmNextSAV", "vSatisfVehicle", "vSatisfSAV"}},
        {"_TCL", 9, {"cPAPATypeVO", "cPAPASegment", "cPAPACarrosserie", "cPAPAEnergie", "cPAPAChoix1", "cPAPAChoix2",
                     "cPAPAMarque1", "cPAPAModele1", "cPAPAMarque2", "cPAPAModele2", "cPAPADateSpirit",
                     "cPACliDateProchainAchat"}},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(std::string(e.kind) + " page " + std::to_string(e.page));
        QString prefix;
        const auto fields = page(all, e.kind, e.page, &prefix);
        ASSERT_FALSE(fields.empty());
        // The page starts with its key, a field without control, so that its UPDATE has a condition.
        EXPECT_EQ(fields.front()["width"], "0");
        QSet<QString> names;
        for (const auto& f : fields) names.insert(prefix + f["vInfo"].section(';', 0, 0));
        for (const auto& c : e.controls) EXPECT_TRUE(names.contains(c)) << c.toStdString();
    }
    // Every kind has its page 0 (its table), and the costs tab writes the costs table.
    for (const char* kind : {"_TVO", "_TVD", "_TVN", "_TCL"}) {
        bool found = false;
        for (const auto& d : all) found |= d["descInfo"] == kind && d["idNum"] == "0" && !d["tag"].isEmpty();
        EXPECT_TRUE(found) << kind;
    }
    for (const auto& d : all) {
        if (d["descInfo"] == "_TVO" && d["idNum"] == "5") {
            EXPECT_EQ(d["tag"], "tVO - Frevo");
        }
    }
    // The accounting panel's fields are the only ones numbered from 1000.
    for (const auto& f : page(all, "_TVN", 3))
        EXPECT_EQ(f.number("idNum") >= 1000, f["tag"] == "COMPTA") << f["vInfo"].toStdString();
}

TEST_F(ReferenceScripts, PlacedControlsFitTheWindowWithoutOverlapping) {
    const auto all = descriptors("MER");
    for (const auto& [kind, pg] : std::vector<std::pair<QString, int>>{
             {"_TVO", 1}, {"_TVD", 2}, {"_TVN", 3}, {"_TVO", 4}, {"_TVO", 5}, {"_TCL", 7}, {"_TCL", 8}, {"_TCL", 9}}) {
        for (const bool panel : {false, true}) {
            std::vector<std::pair<QString, QRect>> placed;
            for (const auto& f : page(all, kind, pg)) {
                if (f.number("width") == 0 || (f.number("idNum") >= 1000) != panel) continue;
                // As the layout pass converts twips: width/15, left/15, top/15 - 35, height/15 at least 18.
                const QRect r(qRound(f.number("left") / 15.0), qRound(f.number("top") / 15.0) - 35,
                              qRound(f.number("width") / 15.0), std::max(18, qRound(f.number("height") / 15.0)));
                EXPECT_TRUE(QRect(0, 0, 1024, 768 - 150).contains(r)) << f["vInfo"].toStdString();
                for (const auto& [other, rect] : placed)
                    EXPECT_FALSE(rect.intersects(r)) << kind.toStdString() << " page " << pg << ": "
                                                     << f["vInfo"].toStdString() << " overlaps " << other.toStdString();
                placed.emplace_back(f["vInfo"], r);
            }
        }
    }
}

TEST_F(ReferenceScripts, GridColumnsInTheirFixedOrder) {
    const auto all = descriptors("BOR");
    QStringList frevo, act;
    for (const auto& d : all) {
        if (d["descInfo"] == "gFrev") frevo << d["vInfo"];
        if (d["descInfo"] == "gAct") act << d["vInfo"];
    }
    EXPECT_EQ(frevo, QStringList({"idFrevo", "DateFrevo", "LibelleFrevo", "NComptable", "NomFournisseur", "NFacture",
                                  "TypeFrevo", "MontantHT"}));
    EXPECT_EQ(act, QStringList({"idAction", "DateAction", "idCom", "TypeAction", "SujetAction", "CommentaireAction",
                                "DateRelance", "idComRelance", "SujetRelance", "PrioriteRelance"}));
}

TEST_F(ReferenceScripts, EquipmentListsOfTheDealership) {
    const std::string where = "WHERE_CLAUSE=Where (RubricItem='..') or (RubricItem='MER')";
    const TXml xml = get("AxInfoEquip", "UserConcession=MER&" + where);
    EXPECT_EQ(warning(xml), "");
    EXPECT_EQ(child(xml, "document", "Concession"), "MER");
    // Each generic list is one consecutive run, and only this dealership's sites are offered.
    TXml pars = xml;
    server::XmlSelect(pars, "ParsS");
    QStringList runs, sites;
    while (server::XmlNext(pars, "Pars")) {
        QString type, text;
        server::XmlGet(pars, "type", type);
        server::XmlGet(pars, "text", text);
        if (runs.isEmpty() || runs.last() != type) {
            EXPECT_FALSE(runs.contains(type)) << type.toStdString() << " comes in two runs";
            runs << type;
        }
        if (type == "Site") sites << text;
    }
    EXPECT_EQ(sites, QStringList({"LILLE", "ROUBAIX", "LENS"}));
    for (const char* list : {"ModeTVA", "Boolean", "InfoBoite", "TVTypeVO", "TypeFrevo", "LibFrevo", "Fournisseur",
                             "TypeAction", "SujetAction", "PrioriteRelance", "TypeFinancement", "TypeFinancementDelai",
                             "Destination", "CliCivilite", "CliPays", "CliSituationFamille"})
        EXPECT_TRUE(runs.contains(list)) << list;
    EXPECT_EQ(itemCount(xml, "InfoComS", "InfoCom"), 5);
    EXPECT_EQ(child(xml, "InfoSiteS", "Site"), "LENS");
    EXPECT_EQ(child(xml, "InfoSiteS", "Marques"), "KESTREL");
    EXPECT_EQ(child(xml, "InfoSiteS", "MontantFraisDossier"), "120.00");
    EXPECT_GT(itemCount(xml, "ModelsS", "Models"), 10);
    EXPECT_GT(itemCount(xml, "VNVersionsS", "VNVersions"), 5);
    EXPECT_EQ(child(xml, "EquiInterieurS", "Abbr"), "CLIM");
    EXPECT_EQ(itemCount(xml, "PAEnergieS", "PAEnergie"), 4);

    // The filter reaches nothing but ListRubrics.
    const TXml stolen = get("AxInfoEquip", "UserConcession=MER&WHERE_CLAUSE=Where 1=1 union select idUser, 0, Name_, 0 from Users");
    EXPECT_TRUE(warning(stolen).contains("Table non autorisée : Users")) << warning(stolen).toStdString();
}

TEST_F(ReferenceScripts, AnEntryAddedFromTheFormGoesAfterTheListsOwnEntries) {
    // Position lists store 1-based positions: a new entry must not move the existing ones.
    ASSERT_EQ(warning(update("Insert into ListRubrics (RubricType, RubricIndex, RubricItem, RubricText) Values "
                             "('PrioriteRelance', 0, '..' ,'Immédiate')")),
              "");
    TXml pars = get("AxInfoEquip", "UserConcession=MER&WHERE_CLAUSE=Where (RubricItem='..') or (RubricItem='MER')");
    server::XmlSelect(pars, "ParsS");
    QStringList priorities;
    while (server::XmlNext(pars, "Pars")) {
        QString type, text;
        server::XmlGet(pars, "type", type);
        server::XmlGet(pars, "text", text);
        if (type == "PrioriteRelance") priorities << text;
    }
    EXPECT_EQ(priorities, QStringList({"Basse", "Normale", "Haute", "Urgente", "Immédiate"}));
}

} // namespace
} // namespace webserver::test
