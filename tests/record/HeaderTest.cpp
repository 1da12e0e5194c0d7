// The header above the tabs, the window's caption and icon, and the tab switch.
#include "record/Header.h"

#include "RecordWindowFixture.h"
#include "platform/Controls.h"
#include "platform/DelphiDate.h"
#include "platform/FormBuilder.h"
#include "server/SqlLiterals.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using platform::Require;

class HeaderTest : public RecordWindowTest {
protected:
    void VehiclePages(const std::string& kind, int page, const std::string& group, const std::string& prefix,
                      const std::vector<std::pair<std::string, int>>& fields) const {
        AddPage(kind, 0, group + "0", "");
        AddPage(kind, page, group, prefix);
        for (const auto& [field, tInfo] : fields)
            AddField(group, field, field + " :", 1650, 645, 1500, 109, tInfo);
    }
};

TEST_F(HeaderTest, UsedVehicleDaysInStock) {
    VehiclePages("_TVO", 1, "fVO1", "c",
                 {{"NVO", 4}, {"DateEntree", 1}, {"DateOrdre", 1}, {"CV", 4}, {"KMS", 4}});
    auto w = Open();
    const platform::TDateTime now = w->State.ServerNow;
    ASSERT_NE(now, 0);
    const struct {
        const char *entry, *order;
        QString shown;
    } cases[] = {
        {"'2009-03-01'", "'2009-03-15'", "14 jours"},
        {"'2009-03-01'", "NULL",
         QString::number(platform::DaysBetween(platform::EncodeDate(2009, 3, 1), now)) + " jours"},
        {"NULL", "NULL", "0 jours"},
        {"NULL", "'2009-03-15'", "0 jours"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry + std::string(" ") + c.order);
        Sql(std::string("UPDATE tVehicles SET DateEntree=") + c.entry + ", DateOrdre=" + c.order +
            " WHERE idTVO=12;");
        w->UpdateView(false);
        EXPECT_EQ(w->xcInfoField3->text(), c.shown);
    }
    EXPECT_EQ(w->xcInfoNVO->text(), "4711");
    EXPECT_EQ(w->xcInfoField2->text(), "5 cv - 42000 kms");
    EXPECT_TRUE(w->windowTitle().startsWith("Garvex - VO N°4711 - ")) << w->windowTitle().toStdString();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Saisie des Fiches Garvex");
    EXPECT_EQ(w->xcInfoField1->font().pointSize(), 12);
    EXPECT_FALSE(w->windowIcon().isNull());
}

TEST_F(HeaderTest, NewVehicleDaysFromOrderToInvoiceOrRegistration) {
    VehiclePages("_TVN", 3, "fVN3", "cVN", {{"NVO", 4}, {"DateOrdre", 1}, {"DateFacture", 1}, {"MEC", 1}});
    Sql("INSERT INTO tVehicles (idTVO, idVO, TypeVO, Concession, Site, NVO) VALUES (40, 40, 2, 'MERISCA', "
        "'NORD', 900);");
    auto w = Open({{"idTVO", "40"}, {"idTypeVO", "2"}});
    const struct {
        const char *order, *invoice, *registration;
        QString shown;
    } cases[] = {
        {"'2009-02-01'", "'2009-02-01'", "'2009-03-01'", ""},
        {"'2009-02-01'", "'2009-02-21'", "'2009-03-01'", "20 jours"},
        {"'2009-02-01'", "NULL", "'2009-02-11'", "10 jours"},
        {"'2009-02-01'", "NULL", "NULL", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.order) + c.invoice + c.registration);
        Sql(std::string("UPDATE tVehicles SET DateOrdre=") + c.order + ", DateFacture=" + c.invoice +
            ", MEC=" + c.registration + " WHERE idTVO=40;");
        w->UpdateView(false);
        EXPECT_EQ(w->State.RecordKind, "_TVN");
        EXPECT_EQ(w->xcInfoField3->text(), c.shown);
    }
    EXPECT_EQ(w->xcInfoNVO->text(), "900");
}

TEST_F(HeaderTest, CustomerEmailShrinksWithItsLength) {
    for (const auto& [length, size] :
         {std::pair{13, 12}, {14, 10}, {19, 10}, {20, 9}, {25, 9}, {26, 8}, {31, 8}, {32, 7}})
        EXPECT_EQ(record::EmailFontSize(length), size) << length;

    AddPage("_TCL", 0, "fCL0", "");
    AddPage("_TCL", 7, "fCL7", "a");
    for (const char* field : {"CliEmail", "CliMobile", "CliTelDom"})
        AddField("fCL7", field, std::string(field) + " :", 7380, 645, 1500, 109, 2, "KUNDOR");
    Sql("INSERT INTO tClients (idClient, Concession, Site, CliEmail, CliMobile, CliTelDom) VALUES "
        "(30, 'MERISCA', 'NORD', 'Jean.Dupont@Garage.fr', '0612345678', '0240123456');");
    auto w = Open({{"idTVO", ""}, {"idClient", "30"}});
    EXPECT_EQ(w->xcInfoField1->text(), "jean.dupont@garage.fr");
    EXPECT_EQ(w->xcInfoField1->font().pointSize(), 8 + 1); // 21 characters
    EXPECT_EQ(w->xcInfoField2->text(), server::FormatPhone("0612345678"));
    EXPECT_EQ(w->xcInfoField3->text(), server::FormatPhone("0240123456"));
    EXPECT_EQ(w->xcInfoTitre->text(), "");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Saisie des Fiches Kundor");
}

TEST_F(HeaderTest, ATabLoadsItsContentOncePerLayout) {
    AddPage("_TVN", 0, "fVN0", "");
    AddPage("_TVN", 3, "fVN3", "cVN", "VN");
    AddPage("_TVN", 4, "fEQU", "c", "Équipements");
    AddPage("_TVN", 5, "fFRV", "c", "Frevo");
    Sql("INSERT INTO tVehicles (idTVO, idVO, TypeVO, Concession, Site) VALUES (40, 40, 2, 'MERISCA', 'NORD');"
        "INSERT INTO Reservations (idTVO, DResaMax, Vendeur, Acheteur, Commentaire) VALUES "
        "(40, '2999-12-31', 'Paul', 'Durand', 'acompte versé');");
    auto w = Open({{"idTVO", "40"}, {"idTypeVO", "2"}});
    auto& tabs = Form(*w).TabSwitch;
    int frevoLoads = 0;
    tabs.LoadInfoFrevo = [&] { ++frevoLoads; };
    auto* resa1 = Require<QLabel>(w->Sheets[2], "LbResa1");
    EXPECT_EQ(w->Tabs->currentIndex(), 2);
    EXPECT_EQ(resa1->text(), "Réservation jusqu'au 31/12/2999 inclus.");
    EXPECT_EQ(Require<QLabel>(w->Sheets[2], "LbResa2")->text(), "Vendeur : Paul");
    EXPECT_EQ(Require<QLabel>(w->Sheets[2], "LbResa3")->text(), "Acheteur : Durand");
    EXPECT_EQ(Require<QLabel>(w->Sheets[2], "LbResa4")->text(), "acompte versé");
    EXPECT_TRUE(resa1->isVisibleTo(w->Sheets[2]));

    resa1->setText("déjà là");
    for (int sheet : {4, 3, 4, 2})
        w->Tabs->setCurrentIndex(sheet);
    EXPECT_EQ(frevoLoads, 1);
    EXPECT_EQ(resa1->text(), "déjà là");

    Sql("DELETE FROM Reservations;");
    w->UpdateView(false);
    EXPECT_FALSE(resa1->isVisibleTo(w->Sheets[2]));
    w->Tabs->setCurrentIndex(4);
    EXPECT_EQ(frevoLoads, 2);
}

TEST_F(HeaderTest, LeavingATabWithUnsavedChangesAsksForTheSave) {
    AddPage("_TVO", 0, "fVO0", "");
    AddPage("_TVO", 1, "fVO1", "c", "VO");
    AddPage("_TVO", 4, "fEQU", "c", "Équipements");
    auto w = Open();
    w->show();
    auto& tabs = Form(*w).TabSwitch;
    bool saved = false;
    tabs.SaveChanges = [&] { return saved; };
    QTabBar* bar = w->Tabs->tabBar();
    const QPoint equipment = bar->tabRect(3).center();
    QTest::mouseClick(bar, Qt::LeftButton, {}, equipment);
    EXPECT_EQ(w->Tabs->currentIndex(), 3); // nothing to save yet
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    w->JvXPBtnSave->setEnabled(true);
    QTest::mouseClick(bar, Qt::LeftButton, {}, equipment);
    EXPECT_EQ(w->Tabs->currentIndex(), 0);
    QTest::keyClick(w->Tabs, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w->Tabs->currentIndex(), 0);
    saved = true;
    QTest::mouseClick(bar, Qt::LeftButton, {}, equipment);
    EXPECT_EQ(w->Tabs->currentIndex(), 3);
}
