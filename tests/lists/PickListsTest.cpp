// Descriptor combos on the real window: what they show after a layout pass, what a choice
// stores, the staff lists, and the make -> model -> type-version cascade with the version text.
#include "PickListsFixture.h"
#include "record/Descriptors.h"

#include <QLineEdit>

TEST_F(PickListsTest, ListsShowTheLoadedValueAndStoreTheChoice) {
    const struct {
        const char* field;
        int tControl, tInfo;
        const char* loaded;
        QStringList items;
        int selected;
        int choose; // -1: the user only enters and leaves the box
        const char* stored;
    } cases[] = {
        // Escapes decoded in order; ".." shown empty and counted as position 0.
        {"Energie", 112, 2, "0", {"", "Diesel", "Essence < GPL"}, 0, 2, "2"},
        {"Energie", 112, 2, "1", {"", "Diesel", "Essence < GPL"}, 1, 0, "0"},
        // Without an empty first item, position 1 is the first item.
        {"Carrosserie", 112, 2, "1", {"Berline", "Break"}, 0, 1, "2"},
        {"Carrosserie", 112, 2, "2", {"Berline", "Break"}, 1, 0, "1"},
        // A position out of range selects nothing and adds nothing.
        {"Carrosserie", 112, 2, "7", {"Berline", "Break"}, -1, 1, "2"},
        // A code selects its item, whatever its case; only the code is stored.
        {"BoiteVitesse", 111, 2, "a", {"M : Manuelle", "A : Automatique"}, 1, 0, "M"},
        // A text missing from its list is shown last, selected, and kept as it is.
        {"Carrosserie", 111, 2, "Coupé", {"Berline", "Break", "Coupé"}, 2, -1, "Coupé"},
        {"Carrosserie", 111, 2, "Coupé", {"Berline", "Break", "Coupé"}, 2, 1, "Break"},
        // VAT mode: 0, nothing or no number is the first mode.
        {"ModeTVA", 112, 2, "0", {"TVA sur marge", "TVA normale"}, 0, 1, "2"},
        {"ModeTVA", 112, 2, "", {"TVA sur marge", "TVA normale"}, 0, -1, "1"},
        {"ModeTVA", 112, 2, "deux", {"TVA sur marge", "TVA normale"}, 0, -1, "1"},
        // Booleans: true in any case is the second item; the first stores "False".
        {"Garantie", 111, 3, "tRUE", {"Non", "Oui"}, 1, 0, "False"},
        {"Garantie", 111, 3, "0", {"Non", "Oui"}, 0, 1, "True"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " loaded " + c.loaded);
        QComboBox* box = FormCombo(1, QStringLiteral("c%1%2").arg(c.field).arg(++n));
        box->setEditText("tapé avant");
        record::TsDesc& d = Bind(1, box, Desc(c.field, c.field, c.tControl, c.tInfo, c.loaded));
        EXPECT_EQ(Items(box), c.items);
        EXPECT_EQ(box->currentIndex(), c.selected);
        EXPECT_EQ(box->currentText(), c.selected < 0 ? QString() : c.items[c.selected]);
        EXPECT_EQ(d.CurValue, c.loaded) << "setting a box up is no change of its value";
        if (c.choose >= 0) box->setCurrentIndex(c.choose);
        lists->CBoxExit(box);
        EXPECT_EQ(d.CurValue, c.stored);
    }
}

TEST_F(PickListsTest, BoxWithoutFormControlIsCreatedAtTheDescriptorsPlace) {
    record::DescriptorKeys keys;
    keys.left = "1500";
    keys.top = "1050";
    keys.height = "315";
    keys.length = "5";
    auto& descs = w->State.Pages[1].Descs;
    descs = {Desc("idVO", "", 109, 4, "12"), Desc("Carrosserie", "Carrosserie", 111, 2, "Break"),
             Desc("Energie", "Energie", 112, 2, "1")};
    keys.width = "1800";
    lists->CBoxEvents(nullptr, 1, 1, &keys);
    keys.width = "0";
    lists->CBoxEvents(nullptr, 1, 2, &keys);

    QComboBox* shown = descs[1].Combo;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->parentWidget(), w->Sheets[0]);
    EXPECT_EQ(shown->geometry(), QRect(100, 35, 120, 25));
    EXPECT_FALSE(shown->isHidden());
    EXPECT_EQ(descs[1].ValueControl, shown);
    EXPECT_EQ(platform::Tag(shown), 1);
    EXPECT_EQ(shown->currentText(), "Break");
    EXPECT_FALSE(descs[1].ListOnly);
    // The length bounds typing only: a longer item is shown whole.
    shown->lineEdit()->selectAll();
    QTest::keyClicks(shown, "Cabriolet");
    EXPECT_EQ(shown->currentText(), "Cabri");
    ASSERT_NE(descs[2].Combo, nullptr);
    EXPECT_TRUE(descs[2].Combo->isHidden());
    EXPECT_EQ(descs[2].Combo->currentText(), "Diesel");
    descs[2].Combo->setCurrentIndex(2);
    EXPECT_EQ(descs[2].Combo->currentText(), "Essence < GPL");
}

TEST_F(PickListsTest, BoxIsEnabledForTheFieldsRights) {
    const struct {
        const char* rights;
        int page, vehicles, width;
        bool enabled;
    } cases[] = {
        {";SVO;", 1, 0, 120, true},  {";COMPTA;", 1, 0, 120, false}, {";SVO;", 1, 0, 0, false},
        {";SVO;", 8, 0, 120, false}, // a customer without vehicle has none to edit
        {";SVO;", 8, 1, 120, true},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n);
        w->State.VehicleCount = c.vehicles;
        QComboBox* box = FormCombo(c.page, QStringLiteral("cDroit%1").arg(++n));
        record::TsDesc d = Desc("Carrosserie", "Carrosserie", 111, 2, "Break");
        d.RightsTag = c.rights;
        d.Width = c.width;
        Bind(c.page, box, d);
        EXPECT_EQ(box->isEnabled(), c.enabled);
        // Greyed for want of the right; a width of 0 disables without it.
        const bool right = c.enabled || c.width == 0;
        EXPECT_EQ(box->palette().color(QPalette::Disabled, QPalette::Base) == QColor(212, 208, 200), !right);
    }
}

TEST_F(PickListsTest, StaffListsFollowTheSite) {
    w->State.RecordKind = record::KindCL;
    QComboBox* site = FormCombo(7, "aSite");
    QComboBox* staff = FormCombo(7, "aidCom");
    lists->AttachFormHandlers();
    const struct {
        const char* site;
        const char* loadedId;
        QStringList items;
        QString shown;
    } cases[] = {
        // Martin works on both sites and is listed under each.
        {"SUD", "8", {"Martin", "Durand"}, "Durand"},
        {"NORD", "7", {"Martin"}, "Martin"},
        // A stored id whose person is not on the site shows no name and stays stored.
        {"NORD", "8", {"Martin"}, ""},
        {"NORD", "99", {"Martin"}, ""},
        {"", "7", {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.site) + " id " + c.loadedId);
        w->State.CurrentSite = c.site;
        record::TsDesc& d = Bind(7, staff, Desc("idCom", "idCom", 112, 2, c.loadedId));
        EXPECT_EQ(Items(staff), c.items);
        EXPECT_EQ(staff->currentText(), c.shown);
        EXPECT_EQ(d.CurValue, c.loadedId);
    }

    // Choosing a name stores its id; choosing a site lists that site's staff.
    w->State.CurrentSite = "SUD";
    record::TsDesc& d = Bind(7, staff, Desc("idCom", "idCom", 112, 2, "8"));
    staff->setCurrentIndex(0);
    EXPECT_EQ(d.CurValue, "7");
    Bind(7, site, Desc("Site", "Site", 111, 2, "SUD"));
    site->setCurrentText("NORD");
    EXPECT_EQ(w->State.CurrentSite, "NORD");
    EXPECT_EQ(Items(staff), QStringList{"Martin"});
    EXPECT_EQ(lists->GetInfoComboBoxIdCom("InfoCom", "Durand"), "8");
    EXPECT_EQ(lists->GetInfoComboBoxIdCom("InfoCom", "durand"), "0");
}

TEST_F(PickListsTest, SiteChoiceIsTheNextNewRecordsSite) {
    QComboBox* site = FormCombo(1, "cSite");
    lists->AttachFormHandlers();
    w->State.UserUS1 = "NORD";
    record::TsDesc& d = Bind(1, site, Desc("Site", "Site", 111, 2, "SUD"));
    EXPECT_EQ(w->State.UserUS1, "NORD") << "loading a record is no choice of site";
    site->setCurrentText("NORD");
    site->setCurrentText("SUD");
    EXPECT_EQ(w->State.UserUS1, "SUD");
    EXPECT_EQ(d.CurValue, "SUD");
}

TEST_F(PickListsTest, MakeRefillsTheModelsOfItsFirstRun) {
    QComboBox* make = FormCombo(1, "cInfoMarque");
    QComboBox* model = FormCombo(1, "cInfoModele");
    lists->AttachFormHandlers();
    int titles = 0;
    lists->setInfoTitre = [&] { ++titles; };
    lists->BeginLayoutPass();
    record::TsDesc& makeDesc = Bind(1, make, Desc("InfoMarque", "InfoMarque", 111, 2, "ALBA"));
    record::TsDesc& modelDesc = Bind(1, model, Desc("InfoModele", "InfoModele", 111, 2, "A1"));
    lists->LayoutPassDone();
    EXPECT_EQ(Items(make), (QStringList{"ALBA", "BRIO", "CORA"}));
    EXPECT_EQ(Items(model), (QStringList{"A1", "A2"}));
    EXPECT_EQ(model->currentText(), "A1");
    EXPECT_EQ(titles, 0);

    const struct {
        const char* make;
        QStringList models;
        const char* model;
    } steps[] = {
        // A make without models and an emptied make leave the model list as it is.
        {"CORA", {"A1", "A2"}, "A1"},
        {"", {"A1", "A2"}, "A1"},
        // Another make empties the model and lists its models, none chosen.
        {"BRIO", {"B1"}, ""},
        // The make typed in lower case; only the first run of its models.
        {"alba", {"A1", "A2"}, ""},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.make);
        make->setCurrentText(s.make);
        EXPECT_EQ(makeDesc.CurValue, s.make);
        EXPECT_EQ(Items(model), s.models);
        EXPECT_EQ(model->currentText(), s.model);
        EXPECT_EQ(model->currentIndex(), -1 + (*s.model != 0));
        EXPECT_EQ(modelDesc.CurValue, s.model);
    }
    EXPECT_EQ(titles, 4);
}

TEST_F(PickListsTest, VersionTextFollowsModelAndTypeVersion) {
    QComboBox* make = FormCombo(1, "cInfoMarque");
    QComboBox* model = FormCombo(1, "cInfoModele");
    platform::TMemo* version = FormMemo(1, "cInfoVersion", "a1 Sport a1");
    QComboBox* vdMake = FormCombo(2, "cVDInfoMarque");
    QComboBox* vdModel = FormCombo(2, "cVDInfoModele");
    QComboBox* vdType = FormCombo(2, "cVDInfoTypeVersion");
    platform::TMemo* vdVersion = FormMemo(2, "cVDInfoVersion", "Sport ");
    lists->AttachFormHandlers();

    // A used vehicle: the first occurrence of the loaded model, in any case, becomes the new one.
    lists->BeginLayoutPass();
    Bind(1, make, Desc("InfoMarque", "InfoMarque", 111, 2, "ALBA"));
    record::TsDesc& modelDesc = Bind(1, model, Desc("InfoModele", "InfoModele", 111, 2, "A1"));
    lists->LayoutPassDone();
    model->setCurrentText("A2");
    EXPECT_EQ(version->Text(), "A2 Sport a1");

    // A demonstration vehicle without type version, whose text lacks its model: the model goes
    // in front, then the type version at the end.
    w->State.RecordKind = record::KindVD;
    lists->BeginLayoutPass();
    Bind(2, vdMake, Desc("InfoMarque", "InfoMarque", 111, 2, "ALBA"));
    Bind(2, vdModel, Desc("InfoModele", "InfoModele", 111, 2, "A1"));
    Bind(2, vdType, Desc("InfoTypeVersion", "InfoTypeVersion", 111, 2, ""));
    lists->LayoutPassDone();
    vdModel->setCurrentText("a2");
    EXPECT_EQ(vdVersion->Text(), "A2 Sport");
    EXPECT_EQ(Items(vdType), (QStringList{"1.6 HDI", "2.0 HDI"}));
    vdType->setCurrentIndex(0);
    EXPECT_EQ(vdVersion->Text(), "A2 Sport 1.6 HDI");
    vdType->setCurrentIndex(1);
    EXPECT_EQ(vdVersion->Text(), "A2 Sport 2.0 HDI");

    // Another used vehicle: its first model change starts again from its own loaded model.
    w->State.RecordKind = record::KindVO;
    lists->BeginLayoutPass();
    modelDesc.OrigValue = modelDesc.CurValue = "B1";
    const int page = record::PageOfTag(platform::Tag(model)),
              index = record::IndexOfTag(platform::Tag(model));
    make->setCurrentText("BRIO");
    version->SetText("b1 Confort");
    w->State.FlagLoading = true;
    lists->CBoxEvents(model, page, index);
    w->State.FlagLoading = false;
    lists->LayoutPassDone();
    EXPECT_EQ(version->Text(), "b1 Confort") << "laying a record out leaves its version text alone";
    model->setCurrentText("B2");
    EXPECT_EQ(version->Text(), "B2 Confort");
}
