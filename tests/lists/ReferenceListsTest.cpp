#include "lists/ReferenceLists.h"

#include "lists/VersionText.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace lists;

namespace {

// A small reference-lists document with what each rule needs.
server::TXml equip() {
    server::TXml x;
    x.Document =
        "<document><Concession>GARV</Concession><ParsS>"
        "<Pars><type>Carrosserie</type><text>..</text></Pars>"
        "<Pars><type>Carrosserie</type><text>Berline</text></Pars>"
        "<Pars><type>Carrosserie</type><text>Break &amp;lt; Monospace</text></Pars>"
        "<Pars><type>BoiteVitesse</type><text>M : Manuelle</text></Pars>"
        "<Pars><type>BoiteVitesse</type><text>A : Automatique</text></Pars>"
        "<Pars><type>ModeTVA</type><text>TVA sur marge</text></Pars>"
        "<Pars><type>ModeTVA</type><text>TVA normale</text></Pars>"
        "<Pars><type>BOOLEAN</type><text>Non</text></Pars><Pars><type>BOOLEAN</type><text>Oui</text></Pars>"
        "<Pars><type>SujetAction</type><text>Essai</text></Pars>"
        "<Pars><type>SujetAction</type><text>Relance &amp; devis</text></Pars>"
        "</ParsS><InfoComS>"
        "<InfoCom><idCom>7</idCom><cNom>Martin</cNom><Site>Nord;Sud</Site></InfoCom>"
        "<InfoCom><idCom>8</idCom><cNom>Durand</cNom><Site>SUD</Site></InfoCom>"
        "<InfoCom><idCom>9</idCom><cNom>Petit</cNom><Site>Est</Site></InfoCom>"
        "</InfoComS><MarksS><Marks><vMark>ALBA</vMark></Marks><Marks><vMark>BRIO</vMark></Marks></MarksS>"
        "<ModelsS>"
        "<Models><vMark>ALBA</vMark><vModel>A1</vModel></Models>"
        "<Models><vMark>ALBA</vMark><vModel>A2</vModel></Models>"
        "<Models><vMark>BRIO</vMark><vModel>B1</vModel></Models>"
        "<Models><vMark>ALBA</vMark><vModel>A9</vModel></Models>"
        "</ModelsS></document>";
    return x;
}

ListSource pars(const char* type) {
    return {"Pars", "type", "text", QString(type).toUpper()};
}

} // namespace

TEST(ReferenceLists, FillSelectsTheStoredValue) {
    const struct {
        const char* list;
        const char* value;
        QString field;
        int tControl, tInfo;
        QStringList items;
        int selected;
    } cases[] = {
        // Escapes in order, ".." shown empty; a stored position counts that empty item as 0.
        {"Carrosserie", "0", "Carrosserie", 112, 2, {"", "Berline", "Break < Monospace"}, 0},
        {"Carrosserie", "1", "Carrosserie", 112, 2, {"", "Berline", "Break < Monospace"}, 1},
        {"Carrosserie", "7", "Carrosserie", 112, 2, {"", "Berline", "Break < Monospace"}, -1},
        // Without an empty item, position 1 is the first item.
        {"ModeTVA", "1", "ModeTVA", 112, 2, {"TVA sur marge", "TVA normale"}, 0},
        {"ModeTVA", "2", "ModeTVA", 112, 2, {"TVA sur marge", "TVA normale"}, 1},
        {"ModeTVA", "0", "ModeTVA", 112, 2, {"TVA sur marge", "TVA normale"}, 0},
        {"ModeTVA", "", "ModeTVA", 112, 2, {"TVA sur marge", "TVA normale"}, 0},
        {"ModeTVA", "x", "ModeTVA", 112, 2, {"TVA sur marge", "TVA normale"}, 0},
        // Coded items match by their code; a value not in a text list is kept as a last item.
        {"BoiteVitesse", "a", "BoiteVitesse", 111, 2, {"M : Manuelle", "A : Automatique"}, 1},
        {"BoiteVitesse", "S", "BoiteVitesse", 111, 2, {"M : Manuelle", "A : Automatique", "S"}, 2},
        {"Inconnue", "Bleu", "Couleur", 111, 2, {"Bleu"}, 0},
        // Booleans by position in the two-item list.
        {"BOOLEAN", "tRuE", "Garantie", 111, 3, {"Non", "Oui"}, 1},
        {"BOOLEAN", "False", "Garantie", 111, 3, {"Non", "Oui"}, 0},
        {"BOOLEAN", "", "Garantie", 111, 3, {"Non", "Oui"}, 0},
    };
    for (const auto& c : cases) {
        const IndexChoice choice = IndexChoiceOf(c.field, c.tControl, c.tInfo, c.value);
        const ComboFill fill =
            FillComboList(equip(), pars(c.list), c.value, choice.IndexMode, choice.IndexValue, c.tControl);
        EXPECT_EQ(fill.Items, c.items) << c.list << " " << c.value;
        EXPECT_EQ(fill.Selected, c.selected) << c.list << " " << c.value;
    }
}

TEST(ReferenceLists, ComboValueStoresCodesPositionsAndBooleans) {
    const server::TXml x = equip();
    const struct {
        ComboState box;
        bool IndexMode;
        const char* ListKey;
        bool EmptyFirst;
        int tInfo;
        const char* value;
    } cases[] = {
        {{{"", "Berline"}, 0, ""}, true, "Carrosserie", true, 2, "0"},
        {{{"", "Berline"}, 1, "Berline"}, true, "Carrosserie", true, 2, "1"},
        {{{"", "Berline"}, -1, ""}, true, "Carrosserie", true, 2, "-1"},
        {{{"TVA sur marge"}, 0, "TVA sur marge"}, true, "ModeTVA", false, 2, "1"},
        {{{"TVA sur marge"}, -1, ""}, true, "ModeTVA", false, 2, "0"},
        {{{"M : Manuelle"}, 0, "M : Manuelle"}, false, "BoiteVitesse", false, 2, "M"},
        {{{"Non", "Oui"}, 0, "Non"}, true, "BOOLEAN", false, 3, "False"},
        {{{"Non", "Oui"}, 1, "Oui"}, true, "BOOLEAN", false, 3, "True"},
        {{{"Martin", "Durand"}, 1, "Durand"}, true, "idCom", false, 2, "8"},
        {{{"Martin"}, 0, "Inconnu"}, true, "IDCOM", false, 2, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComboValue(x, c.box, c.IndexMode, c.ListKey, c.EmptyFirst, c.tInfo), c.value) << c.box.Text;
    EXPECT_TRUE(ListOnlyAccepts({"Berline"}, "BERLINE"));
    EXPECT_TRUE(ListOnlyAccepts({"Berline"}, ""));
    EXPECT_FALSE(ListOnlyAccepts({"Berline"}, "Berlin"));
}

TEST(ReferenceLists, StaffBySiteAndIds) {
    const server::TXml x = equip();
    EXPECT_EQ(LoadInfoNxList(x, "InfoCom", "SUD"), QStringList({"Martin", "Durand"}));
    EXPECT_EQ(LoadInfoNxList(x, "InfoCom", "NORD"), QStringList({"Martin"}));
    EXPECT_EQ(LoadInfoNxList(x, "InfoCom", ""), QStringList());
    EXPECT_EQ(StaffName(x, "9"), "Petit");
    EXPECT_EQ(StaffName(x, "99"), "");
    EXPECT_EQ(GetInfoComboBoxIdCom(x, "InfoCom", "Durand"), "8");
    EXPECT_EQ(GetInfoComboBoxIdCom(x, "SujetRelance", "Relance & devis"), "2");
    EXPECT_EQ(GetInfoComboBoxIdCom(x, "SujetAction", "Essai"), "1");
    EXPECT_EQ(GetInfoComboBoxIdCom(x, "SujetAction", "Autre"), "0");
    EXPECT_EQ(LoadInfoNxList(x, "sujetaction", ""), QStringList({"Essai", "Relance & devis"}));
    EXPECT_FALSE(LoadInfoNxList(x, "Absente", "").has_value());
}

TEST(ReferenceLists, TheCascadeReadsOnlyTheFirstRunOfAMake) {
    const server::TXml x = equip();
    const ListSource models{"Models", "vMark", "vModel", {}};
    EXPECT_EQ(DependentList(x, models, " ALBA "), QStringList({"A1", "A2"}));
    EXPECT_FALSE(DependentList(x, models, "CIMA").has_value()); // a make without models
    EXPECT_FALSE(DependentList(x, models, "  ").has_value());
    const ComboFill fill = FillComboList(x, {"Models", "vMark", "vModel", "ALBA"}, "A9", false, 1, 111);
    EXPECT_EQ(fill.Items, QStringList({"A1", "A2", "A9"})); // A9 of the later run is only the stored value
    const ComboFill makes = FillComboList(x, {"Marks", "", "vMark", ""}, "brio", false, 1, 111);
    EXPECT_EQ(makes.Items, QStringList({"ALBA", "BRIO"}));
    EXPECT_EQ(makes.Selected, 1);
}

TEST(VersionText, ModelAndTypeVersionFollowTheChoices) {
    // A used vehicle loaded with model M1 whose version text begins with it.
    QString last;
    QString version = UpdateVersionPart("m1 1.6 HDi Confort", last, "M1", "M2", false);
    EXPECT_EQ(version, "M2 1.6 HDi Confort");
    EXPECT_EQ(last, "M2");
    // A new vehicle loaded without type version, whose text lacks its model.
    QString lastModel, lastType;
    version = UpdateVersionPart(" 5 portes ", lastModel, "M1", "M2", false);
    EXPECT_EQ(version, "M2 5 portes");
    version = UpdateVersionPart(version, lastType, "", "t90", true);
    EXPECT_EQ(version, "M2 5 portes T90");
    version = UpdateVersionPart(version, lastType, "", "t110", true);
    EXPECT_EQ(version, "M2 5 portes T110");
    EXPECT_EQ(UpdateVersionPart(version, lastType, "", "", true), version);
}
