// The search panel on the real window against the web server: the queries as the server receives
// them, the answer in the grid, the remembered settings, and opening and walking through results.
#include "SearchWindowFixture.h"
#include "app/IniStore.h"
#include "platform/Controls.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

using search::TSearchPanel;

namespace {

using KindLabel = QLabel* TSearchPanel::*;

struct QueryCase {
    const char* name;
    KindLabel kind;
    const char* text;
    bool exact;
    const char* where;
    const char* site = "";
    int type = 0;
};

} // namespace

class SearchPanelTest : public SearchWindowTest {
protected:
    void SetUp() override {
        SearchWindowTest::SetUp();
        AddRecords();
    }
    // Opens the panel and lets its first search run.
    void OpenPanel() {
        ClickSearchButton();
        RunCountdown();
    }
    // Chooses the kind and the comparison, types the text and lets the search run.
    QString Search(KindLabel kind, const QString& text, bool exact = false) {
        Click(panel.get()->*kind);
        if (panel->ExactSearch != exact) Click(panel->LbSearch);
        panel->ncbSearch->clear();
        panel->ncbSearch->setText(text);
        RunCountdown();
        return LastQuery();
    }
    QStringList Column(int column) const {
        QStringList cells;
        for (int r = 0; r < panel->ngSearch->rowCount(); ++r)
            cells << panel->Cell(r, column);
        return cells;
    }
    std::string MaxRowsSent() const { return Requests("AxQuery").back().at("MaxRows"); }
};

TEST_F(SearchPanelTest, VehicleNumberSearchWithSiteAndTypeAsTheServerReceivesIt) {
    Open();
    OpenPanel();
    panel->ncbSite->setEditText("LILLE");
    panel->ncbTypeVO->setCurrentIndex(1);
    EXPECT_EQ(
        Search(&TSearchPanel::TSLbNVO, "1234"),
        "SELECT TypeVO, idTVO as VO_ID, StatutVD, NVO as VO_NO, Immatriculation AS VO_IMMAT, [InfoMarque], "
        "[InfoModele], InfoVersion AS VO_VERSION, Acheteur AS VO_BUYER, DateOrdre AS VO_ORDRE, NVO AS "
        "VO_Result, Site as VO_SITE, Concession, idOwner FROM TVehicles Where (Concession='C1') and "
        "((TypeVO=1) and (SITE='LILLE') and (NVO>=1234)) ORDER BY NVO, DateOrdre desc");
    EXPECT_EQ(Column(search::ngsIndex), QStringList{"12"});
}

TEST_F(SearchPanelTest, CustomerNameSearchAsTheServerReceivesIt) {
    OpenCustomer();
    OpenPanel();
    EXPECT_EQ(Search(&TSearchPanel::TSLbClient, "DUPONT"),
              "SELECT -1 AS TypeVO, idClient AS VO_ID, idClient AS VO_NO, CliMobile, [CliCP], [CliVille], "
              "[CliAdresse1], [CliAdresse2], [CliNom], [CliPrenom], CliTelDom, Site AS VO_SITE, Concession, "
              "idOwner FROM TClients Where (Concession='C1') and ((CliNom like '%DUPONT%')) ORDER BY CliNom, "
              "CliPreNom, idClient desc");
    EXPECT_EQ(Column(search::ngsIndex), QStringList{"5"});
}

TEST_F(SearchPanelTest, VehicleCriteria) {
    const QueryCase cases[] = {
        {"a number with a letter", &TSearchPanel::TSLbNVO, "12A", false, "(Concession='C1') and ((false))"},
        // "%BE" would reach the server as one byte if "%" did not travel as "%25".
        {"registration", &TSearchPanel::TSLbImmat, "BEC", false,
         "(Concession='C1') and ((Immatriculation like '%BEC%'))"},
        {"buyer without text", &TSearchPanel::TSLbClient, "", false,
         "(Concession='C1') and ((Acheteur like '%%'))"},
        {"new vehicles", &TSearchPanel::TSLbImmat, "AB", false,
         "(Concession='C1') and ((TypeVO=2) and (isnull(StatutVD)) and (Immatriculation like '%AB%'))", "",
         2},
        {"demonstration vehicles, exact", &TSearchPanel::TSLbImmat, "AB-125-CD", true,
         "(Concession='C1') and ((TypeVO=2) and (not isnull(StatutVD)) and (Immatriculation = 'AB-125-CD'))",
         "", 3},
        {"a typed site with a quote", &TSearchPanel::TSLbImmat, "AB", false,
         "(Concession='C1') and ((SITE='L''ISLE') and (Immatriculation like '%AB%'))", "L'ISLE"},
        {"an ampersand stays in the text", &TSearchPanel::TSLbClient, "A&B", false,
         "(Concession='C1') and ((Acheteur like '%A&B%'))"},
    };
    Open();
    OpenPanel();
    for (const QueryCase& c : cases) {
        SCOPED_TRACE(c.name);
        panel->ncbSite->setEditText(c.site);
        panel->ncbTypeVO->setCurrentIndex(c.type);
        EXPECT_EQ(WhereOf(Search(c.kind, c.text, c.exact)), c.where);
        EXPECT_EQ(w->WarningLine(), "");
    }
}

TEST_F(SearchPanelTest, CustomerCriteria) {
    const QueryCase cases[] = {
        {"name, exact", &TSearchPanel::TSLbClient, "DUPONT", true,
         "(Concession='C1') and ((CliNom = 'DUPONT'))"},
        {"a name with a quote", &TSearchPanel::TSLbClient, "O'NEIL", false,
         "(Concession='C1') and ((CliNom like '%O''NEIL%'))"},
        {"mobile without text", &TSearchPanel::TSLbMobile, "", false, "(Concession='C1') and ((false))"},
        {"telephone", &TSearchPanel::TSLbTelephone, "0320", false,
         "(Concession='C1') and ((CliTelDom like '%0320%'))"},
        {"registration of a customer's vehicle", &TSearchPanel::TSLbImmat, "AB", false,
         "(Concession='C1') and ((Immatriculation like '%AB%'))"},
        // The words of the comparison are the panel's; typed text is never rewritten.
        {"typed 'like' and 'where '", &TSearchPanel::TSLbClient, "Alike Somewhere x", true,
         "(Concession='C1') and ((CliNom = 'Alike Somewhere x'))"},
    };
    OpenCustomer();
    OpenPanel();
    for (const QueryCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WhereOf(Search(c.kind, c.text, c.exact)), c.where);
        EXPECT_EQ(w->WarningLine(), "");
    }
    EXPECT_TRUE(LastQuery().contains(" FROM TClients "));
    Search(&TSearchPanel::TSLbClient, "O'NEIL");
    EXPECT_EQ(Column(search::ngsIndex), QStringList{"6"});
    EXPECT_EQ(app::GetTagRegistry("svText2"), "O'NEIL");
    EXPECT_EQ(panel->LbSearch->text(), "à rechercher :");
    Search(&TSearchPanel::TSLbClient, "O'NEIL", true);
    EXPECT_EQ(panel->LbSearch->text(), "recherche exacte :");
}

TEST_F(SearchPanelTest, FirstNameFilterLastsOneQuery) {
    OpenCustomer();
    OpenPanel();
    auto* firstName = w->findChild<QLineEdit*>("aCliPrenom");
    ASSERT_NE(firstName, nullptr);
    firstName->setText("J'ean");
    panel->SearchWithFirstName = true;
    EXPECT_EQ(WhereOf(Search(&TSearchPanel::TSLbClient, "DUPONT", true)),
              "(Concession='C1') and ((CliNom = 'DUPONT') and (CliPreNom = 'J''ean'))");
    EXPECT_FALSE(panel->SearchWithFirstName);
    EXPECT_EQ(WhereOf(Search(&TSearchPanel::TSLbClient, "DUPON", true)),
              "(Concession='C1') and ((CliNom = 'DUPON'))");
}

TEST_F(SearchPanelTest, DefaultKindsWhenNothingIsRemembered) {
    Open();
    OpenPanel();
    EXPECT_TRUE(LastQuery().endsWith(" ORDER BY NVO, DateOrdre desc")) << LastQuery().toStdString();
    EXPECT_EQ(WhereOf(LastQuery()), "(Concession='C1') and ((false))");
    OpenCustomer();
    OpenPanel();
    EXPECT_TRUE(LastQuery().endsWith(" ORDER BY CliTelDom, idClient desc")) << LastQuery().toStdString();
}

TEST_F(SearchPanelTest, RememberedSettingsComeBackWhenThePanelIsPrepared) {
    Open();
    OpenPanel();
    panel->ncbSite->setCurrentIndex(panel->ncbSite->findText("LENS"));
    panel->ncbTypeVO->setCurrentIndex(panel->ncbTypeVO->findText("VD"));
    Search(&TSearchPanel::TSLbImmat, "AB");
    EXPECT_EQ(Column(search::ngsIndex), QStringList{"14"});

    Reopen();
    ClickSearchButton();
    EXPECT_EQ(panel->ncbSearch->text(), "AB");
    EXPECT_EQ(panel->ncbSite->currentText(), "LENS");
    EXPECT_EQ(panel->ncbTypeVO->currentText(), "VD");
    EXPECT_TRUE(panel->TSImmat->isEnabled());
    EXPECT_FALSE(panel->TSNVO->isEnabled());
    EXPECT_EQ(w->State.SearchCountdown, 4); // the remembered text arrived as a change
    RunCountdown();
    EXPECT_EQ(WhereOf(LastQuery()),
              "(Concession='C1') and ((TypeVO=2) and (not isnull(StatutVD)) and (SITE='LENS') and "
              "(Immatriculation like '%AB%'))");
}

TEST_F(SearchPanelTest, DelaysBeforeTheSearch) {
    Open();
    ClickSearchButton();
    EXPECT_EQ(w->State.SearchCountdown, 10); // first preparation, nothing remembered
    RunCountdown();
    const size_t before = Requests("AxQuery").size();
    EXPECT_EQ(before, 1u);
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"typing", [&] { panel->ncbSearch->setText("AB"); }},
        {"site", [&] { panel->ncbSite->setCurrentIndex(1); }},
        {"type", [&] { panel->ncbTypeVO->setCurrentIndex(2); }},
        {"exact toggle", [&] { Click(panel->LbSearch); }},
    };
    const int ticks[] = {4, 2, 2, 1};
    for (size_t i = 0; i < std::size(changes); ++i) {
        SCOPED_TRACE(changes[i].first);
        changes[i].second();
        for (int t = 1; t < ticks[i]; ++t)
            w->Timer1Timer();
        EXPECT_EQ(Requests("AxQuery").size(), before + i); // not yet
        w->Timer1Timer();
        EXPECT_EQ(Requests("AxQuery").size(), before + i + 1);
    }
}

TEST_F(SearchPanelTest, RowCountAndEofGiveTheLabelAndThePlusButton) {
    Sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60) "
        "INSERT INTO tVehicles (idTVO, TypeVO, Concession, Site, NVO, Immatriculation) "
        "SELECT 100 + i, 1, 'C1', 'LILLE', 2000 + i, printf('ZZ-%03d-AA', i) FROM n;");
    Open();
    OpenPanel();
    Search(&TSearchPanel::TSLbImmat, "ZZ");
    EXPECT_EQ(MaxRowsSent(), "50");
    EXPECT_EQ(panel->ngSearch->rowCount(), 50);
    EXPECT_EQ(panel->ncbLabel->text(), "50 premiers enregistrements");
    EXPECT_FALSE(panel->JvXPBtnSearchPlus->isHidden());

    Click(panel->JvXPBtnSearchPlus);
    EXPECT_EQ(MaxRowsSent(), "100");
    EXPECT_EQ(panel->ngSearch->rowCount(), 60);
    EXPECT_EQ(panel->ncbLabel->text(), "60 enregistrements trouvés");
    EXPECT_TRUE(panel->JvXPBtnSearchPlus->isHidden());
    EXPECT_EQ(Column(search::ngsInfo3).first(), "ZZ-001-AA");
    EXPECT_EQ(Column(search::ngsInfo3).last(), "ZZ-060-AA");

    Search(&TSearchPanel::TSLbNVO, "1"); // 63 numbers from 1 on: more exist, but no "plus" for numbers
    EXPECT_EQ(MaxRowsSent(), "50");
    EXPECT_EQ(panel->ncbLabel->text(), "50 premiers enregistrements");
    EXPECT_TRUE(panel->JvXPBtnSearchPlus->isHidden());
}

TEST_F(SearchPanelTest, VehicleRowsShowReferencesImagesAndTheSearchedColumnInBlue) {
    Open();
    OpenPanel();
    Search(&TSearchPanel::TSLbImmat, "AB");
    const std::vector<QStringList> expected = {
        {"12", "4", "VO-Le-1234", "02/05/2009", "AB-123-CD", "Orlane Orla", "DUPONT JEAN"},
        {"13", "4", "VN-Le-1240", "03/06/2009", "AB-124-CD", "Orlane Sirra", ""},
        {"14", "3", "VD-Ls-1250", "", "AB-125-CD", "Velda V3", "MARTIN PAUL"},
    };
    QTableWidget* grid = panel->ngSearch;
    ASSERT_EQ(grid->rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < search::SearchColumns; ++c)
            EXPECT_EQ(panel->Cell(r, c), expected[static_cast<size_t>(r)][c]) << r << "," << c;
    QStringList captions;
    for (int c = search::ngsInfo1; c < search::SearchColumns; ++c)
        captions << grid->horizontalHeaderItem(c)->text();
    EXPECT_EQ(captions, QStringList({"N°VO", "D.Ordre", "Immat.", "Véhicule", "Client"}));
    EXPECT_EQ(panel->SearchResultColumn, search::ngsInfo3);
    EXPECT_EQ(grid->item(0, search::ngsInfo3)->foreground().color(), QColor(Qt::blue));
    EXPECT_NE(grid->item(0, search::ngsInfo5)->foreground().color(), QColor(Qt::blue));
    EXPECT_EQ(grid->horizontalHeader()->sortIndicatorSection(), search::ngsInfo3);
}

TEST_F(SearchPanelTest, CustomerRowsOfAnAllSitesUser) {
    Sql("UPDATE Users SET UserSite = '#'"); // the user's sites come with the record
    OpenCustomer();
    OpenPanel();
    Search(&TSearchPanel::TSLbMobile, "06");
    EXPECT_EQ(Column(search::ngsIndex), QStringList({"5", "6"}));
    EXPECT_EQ(Column(search::ngsImage), QStringList({"4", "4"}));
    EXPECT_EQ(Column(search::ngsInfo1), QStringList({"Le-5", "Ls-6"}));
    EXPECT_EQ(Column(search::ngsInfo2), QStringList({"0320123456", ""}));
    EXPECT_EQ(Column(search::ngsInfo4), QStringList({"59000 LILLE - 3 rue Nationale", "62300 LENS"}));
    EXPECT_EQ(Column(search::ngsInfo5), QStringList({"DUPONT Jean", "O'NEIL Sean"}));
    EXPECT_EQ(panel->ngSearch->horizontalHeaderItem(search::ngsInfo2)->text(), "Tél.Dom.");
}

TEST_F(SearchPanelTest, ReopeningForTheSameKindDoesNotSearchAgain) {
    Open();
    OpenPanel();
    ASSERT_EQ(Requests("AxQuery").size(), 1u);
    EXPECT_FALSE(w->Panel1->isHidden());
    EXPECT_EQ(w->Panel1->y(), w->JvXPBtnSearch->y() + 19);
    panel->ncbSite->addItem("kept");
    ClickSearchButton();
    EXPECT_TRUE(w->Panel1->isHidden());
    ClickSearchButton();
    EXPECT_FALSE(w->Panel1->isHidden());
    EXPECT_EQ(w->State.SearchCountdown, 0);
    EXPECT_EQ(panel->ncbSite->findText("kept"), 2); // the lists were not filled again
    for (int i = 0; i < 12; ++i)
        w->Timer1Timer();
    EXPECT_EQ(Requests("AxQuery").size(), 1u);
}

TEST_F(SearchPanelTest, OpeningARowAndWalkingToBothEnds) {
    Open({{"idTVO", "14"}});
    OpenPanel();
    Search(&TSearchPanel::TSLbImmat, "AB");
    ASSERT_EQ(panel->ngSearch->rowCount(), 3);
    const auto opened = [&] { return Requests("AxInfoVO").back().at("idTVO"); };

    ClickRow(0);
    EXPECT_EQ(w->State.idTVO, "12");
    EXPECT_EQ(opened(), "12");
    EXPECT_TRUE(w->Panel1->isHidden()); // the record's layout closes the panel
    EXPECT_FALSE(w->JvXPPrev->isEnabled());
    EXPECT_TRUE(w->JvXPNext->isEnabled());

    Click(w->JvXPNext);
    Click(w->JvXPNext);
    EXPECT_EQ(opened(), "14");
    EXPECT_EQ(panel->ngSearch->currentRow(), 2);
    EXPECT_FALSE(w->JvXPNext->isEnabled());
    EXPECT_TRUE(w->JvXPPrev->isEnabled());
    Click(w->JvXPNext); // disabled at the end: nothing opens
    EXPECT_EQ(Requests("AxInfoVO").size(), 4u);

    Click(w->JvXPPrev);
    Click(w->JvXPPrev);
    EXPECT_EQ(opened(), "12");
    EXPECT_FALSE(w->JvXPPrev->isEnabled());
    EXPECT_EQ(Requests("AxInfoVO").size(), 6u);
}

TEST_F(SearchPanelTest, HoverMovesTheRowNextStartsFrom) {
    Open();
    OpenPanel();
    Search(&TSearchPanel::TSLbImmat, "AB");
    ClickRow(0);
    ClickSearchButton(); // shows the panel again over the record
    QTableWidget* grid = panel->ngSearch;
    QMouseEvent move(QEvent::MouseMove, grid->visualItemRect(grid->item(2, search::ngsInfo1)).center(),
                     grid->viewport()->mapToGlobal(QPoint()), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &move);
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_FALSE(w->JvXPNext->isEnabled());
    Click(w->JvXPPrev);
    EXPECT_EQ(w->State.idTVO, "13");
}

TEST_F(SearchPanelTest, CustomerRowOpensTheCustomer) {
    OpenCustomer();
    OpenPanel();
    Search(&TSearchPanel::TSLbClient, "O'NEIL");
    ClickRow(0);
    EXPECT_EQ(w->State.idClient, "6");
    EXPECT_EQ(Requests("AxInfoCL").back().at("idClient"), "6");
    EXPECT_FALSE(w->JvXPNext->isEnabled());
    EXPECT_FALSE(w->JvXPPrev->isEnabled());
}

TEST_F(SearchPanelTest, PresetSearchTakesTheStoredClause) {
    Open({{"WhereClause", "WHERE VO.NVO=1240"}});
    OpenPanel();
    Search(&TSearchPanel::TSLbImmat, "AB");
    ClickSearchButton();     // closes
    ClickSearchButton(true); // opens with Ctrl
    EXPECT_TRUE(panel->PresetSearch);
    EXPECT_EQ(panel->ncbSearch->text(), "");
    RunCountdown();
    EXPECT_EQ(WhereOf(LastQuery()), "(Concession='C1') and ( NVO=1240)");
    EXPECT_EQ(Column(search::ngsIndex), QStringList{"13"});
    panel->ncbSearch->setText("A"); // typing ends the preset
    EXPECT_FALSE(panel->PresetSearch);
}

TEST_F(SearchPanelTest, FailedQueryLeavesTheGridAsItWas) {
    Open({{"WhereClause", "NoSuchColumn=1"}});
    OpenPanel();
    Search(&TSearchPanel::TSLbImmat, "AB");
    ASSERT_EQ(panel->ngSearch->rowCount(), 3);
    ClickSearchButton();
    ClickSearchButton(true);
    RunCountdown();
    EXPECT_TRUE(LastQuery().contains("NoSuchColumn"));
    EXPECT_NE(w->WarningLine(), "");
    EXPECT_EQ(Column(search::ngsIndex), QStringList({"12", "13", "14"}));
    EXPECT_EQ(panel->ncbLabel->text(), "3 enregistrements trouvés");
    EXPECT_EQ(panel->ngSearch->horizontalHeaderItem(search::ngsInfo3)->text(), "Immat.");
}

TEST_F(SearchPanelTest, ChangesOnScreenAreSavedBeforeAResultReplacesThem) {
    // Page 1 of a used vehicle: its key, the three fields a save requires, and remarks.
    Sql("INSERT INTO ListModels VALUES ('Orlane', 'Orla');"
        "INSERT INTO StructDesc (Concession, descInfo, idNum, txtInfo, vInfo, tag, defval) VALUES "
        "('..', '_TVO', '0', 'Fiche', 'fVO0', 'tVehicles', ''), ('..', '_TVO', '1', 'VO', 'fVO1', "
        "'tVehicles', 'c');"
        "INSERT INTO StructDesc (Concession, descInfo, idNum, txtInfo, vInfo, tag, width, \"left\", top, "
        "height, "
        "tInfo, tControl, enabled) VALUES "
        "('..', 'fVO1', '1', '', 'idTVO', 'SVO', '0', '0', '0', '315', '4', '109', '1'),"
        "('..', 'fVO1', '1', 'N° :', 'NVO', 'SVO', '1500', '0', '0', '315', '4', '109', '1'),"
        "('..', 'fVO1', '1', 'Site :', 'Site', 'SVO', '1500', '0', '0', '315', '2', '111', '1'),"
        "('..', 'fVO1', '1', 'Marque :', 'InfoMarque', 'SVO', '1500', '0', '0', '315', '2', '111', '1'),"
        "('..', 'fVO1', '1', 'Remarques :', 'Observations', 'SVO', '3000', '3000', '6000', '315', '2', "
        "'109', '1');");
    Open();
    OpenPanel();
    Search(&TSearchPanel::TSLbImmat, "AB");
    ASSERT_EQ(panel->ngSearch->rowCount(), 3);
    QWidget* remarks = nullptr;
    for (const record::TsDesc& d : w->State.Pages[1].Descs)
        if (d.FieldName == "Observations") remarks = d.ValueControl;
    ASSERT_NE(remarks, nullptr);

    // A save the server refuses: the record and what was typed stay on screen.
    Sql("CREATE TRIGGER refuse BEFORE UPDATE ON tVehicles BEGIN SELECT RAISE(ABORT, 'fiche bloquée'); END;");
    platform::SetControlText(remarks, "pare-brise à changer");
    const std::size_t opened = Requests("AxInfoVO").size();
    ClickRow(1);
    EXPECT_EQ(w->State.idTVO, "12");
    EXPECT_EQ(Requests("AxInfoVO").size(), opened);
    EXPECT_EQ(platform::ControlText(remarks), "pare-brise à changer");
    EXPECT_TRUE(w->JvXPBtnSave->isEnabled());
    Click(w->JvXPNext);
    EXPECT_EQ(w->State.idTVO, "12");

    // Saved, then the other record opens.
    Sql("DROP TRIGGER refuse;");
    ClickRow(1);
    EXPECT_EQ(Select("SELECT Observations FROM tVehicles WHERE idTVO=12"),
              QStringList{"pare-brise à changer"});
    EXPECT_EQ(w->State.idTVO, "13");
    EXPECT_EQ(Requests("AxInfoVO").back().at("idTVO"), "13");
}
