// The record buttons on the real window: delete, sweep, reload and new, against the web server.
#include "SavingFixture.h"
#include "server/Requests.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <httplib.h>
#include <thread>

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

class CommandsTest : public SavingTest {
protected:
    void SetUp() override {
        SavingTest::SetUp();
        Sql("INSERT INTO [tVO - Liens Images] (idVO, NumImage, NomImage) VALUES (12, 1, '12-1.jpg'), (12, 2, "
            "'12-2.jpg'), (21, 1, '21-1.jpg');"
            "INSERT INTO [tVO - Frevo] (idVO, DateFrevo, TypeFrevo, MontantHT) VALUES (12, '2009-05-01', "
            "'interne', 300), (21, '2009-05-01', 'interne', 50);");
    }
    std::string Count(const std::string& table, const std::string& where) const {
        return Value("SELECT count(*) FROM " + table + " WHERE " + where);
    }
};

TEST_F(CommandsTest, DeletingAVehicleRemovesItsPhotosCostsAndRowThenStartsANewOne) {
    ShowVehicle("12");
    const QString number = w->xcInfoNVO->text();
    dialogs.answers = {MsgAnswer::Yes};
    Commands().JvXPBtnSupprClick();

    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "Veuillez confirmer la suppression du VO n°" + number);
    EXPECT_EQ(dialogs.shown[0].caption, "Confirmation de Suppression");
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(Received("AxUpdate"), (QStringList{"Delete * From [tVO - Liens Images] where idVO=12",
                                                 "Delete * From [tVO - Frevo] where idVO=12",
                                                 "Delete * From [tVehicles] where idVO=12"}));
    EXPECT_EQ(Count("[tVO - Liens Images]", "idVO=12"), "0");
    EXPECT_EQ(Count("[tVO - Frevo]", "idVO=12"), "0");
    EXPECT_EQ(Count("tVehicles", "idVO=12"), "0");
    EXPECT_EQ(Count("[tVO - Liens Images]", "idVO=21"), "1");
    EXPECT_EQ(dialogs.shown[1].text, "Suppression terminée");
    EXPECT_EQ(dialogs.shown[1].caption, "Fin de Suppression");
    EXPECT_EQ(dialogs.shown[1].icon, MsgIcon::Warning);
    // A new used vehicle follows, and nothing of the deleted one is written back.
    EXPECT_TRUE(w->State.FlagNewEnreg);
    EXPECT_EQ(w->Tabs->currentIndex(), 0);
    EXPECT_EQ(platform::ControlText(Field(0, "cNVO")), "");
    EXPECT_TRUE(Received("AxInsert").isEmpty());
    EXPECT_EQ(dialogs.unexpected, 0);
}

TEST_F(CommandsTest, ADeleteStopsWhenRefusedAtTheQuestionOrAtAFailingStatement) {
    ShowVehicle("12");
    dialogs.answers = {MsgAnswer::No};
    Commands().JvXPBtnSupprClick();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(Received("AxUpdate").isEmpty());
    EXPECT_EQ(Count("tVehicles", "idVO=12"), "1");
    EXPECT_FALSE(w->State.FlagNewEnreg);

    Sql("CREATE TRIGGER keep BEFORE DELETE ON [tVO - Frevo] BEGIN SELECT RAISE(ABORT, 'frais "
        "comptabilisés'); END;");
    dialogs.shown.clear();
    dialogs.answers = {MsgAnswer::Yes};
    Commands().JvXPBtnSupprClick();
    EXPECT_EQ(Received("AxUpdate"), (QStringList{"Delete * From [tVO - Liens Images] where idVO=12",
                                                 "Delete * From [tVO - Frevo] where idVO=12"}));
    EXPECT_EQ(Count("[tVO - Liens Images]", "idVO=12"), "0");
    EXPECT_EQ(Count("[tVO - Frevo]", "idVO=12"), "1");
    EXPECT_EQ(Count("tVehicles", "idVO=12"), "1");
    EXPECT_TRUE(w->WarningLine().contains("frais comptabilisés")) << w->WarningLine().toStdString();
    EXPECT_EQ(w->LbDebugInfo2->text(), "Delete * From [tVO - Frevo] where idVO=12");
    EXPECT_EQ(dialogs.shown.size(), 1u); // no completion message
    EXPECT_FALSE(w->State.FlagNewEnreg);
}

TEST_F(CommandsTest, AVehicleWithoutIdentifierIsNotDeleted) {
    Sql("UPDATE tVehicles SET idVO=NULL WHERE idTVO=12;");
    ShowVehicle("12");
    Commands().JvXPBtnSupprClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "L'identifiant du véhicule demandé n'a pas pu être restitué... ");
    EXPECT_EQ(dialogs.shown[0].caption, "Action Annulée");
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Warning);
    EXPECT_TRUE(Received("AxUpdate").isEmpty());
    EXPECT_EQ(dialogs.unexpected, 0);
}

TEST_F(CommandsTest, DeletingACustomerNamesHimAndStartsANewCustomer) {
    ShowCustomer("30");
    dialogs.answers = {MsgAnswer::Yes};
    QTest::mouseClick(w->JvXPBtnSuppr, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "Veuillez confirmer la suppression du client \"DUPONT Marie\"");
    EXPECT_EQ(Received("AxUpdate"), QStringList{"Delete * From [tClients] where idClient=30"});
    EXPECT_EQ(Count("tClients", "idClient=30"), "0");
    EXPECT_EQ(w->State.idClient, "-2");
    EXPECT_EQ(w->Tabs->currentIndex(), 6);
}

TEST_F(CommandsTest, TheSweepDeletesCancelledOrdersWithoutBuyerOnly) {
    Sql("INSERT INTO tVehicles (idTVO, idVO, TypeVO, Concession, Site, Acheteur, DateAnnulation) VALUES "
        "(50, 50, 2, 'MERISCA', 'NORD', NULL, '2009-05-01'), (51, 51, 2, 'MERISCA', 'NORD', 'LEROY', "
        "'2009-05-01'), (52, 52, 2, 'MERISCA', 'NORD', NULL, NULL), (53, 53, 1, 'MERISCA', 'NORD', NULL, "
        "'2009-05-01');");
    ShowVehicle("12");
    Commands().JvXPBtnSweepClick(); // only on new-vehicle orders
    EXPECT_TRUE(dialogs.shown.empty());

    ShowVehicle("21", {{"idTypeVO", "3"}});
    dialogs.answers = {MsgAnswer::No, MsgAnswer::Yes};
    Commands().JvXPBtnSweepClick();
    EXPECT_TRUE(Received("AxUpdate").isEmpty());
    Commands().JvXPBtnSweepClick();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Veuillez confirmer la suppression des VN annulés sans CTM  ");
    EXPECT_EQ(dialogs.shown[1].caption, "Confirmation de Suppression");
    const QString sweep = "DELETE * FROM tVehicles WHERE (((TypeVO)=2) AND ((Acheteur) Is Null) AND "
                          "((DateAnnulation) Is Not Null));";
    EXPECT_EQ(Received("AxUpdate"), QStringList{sweep});
    EXPECT_EQ(w->LbDebugInfo2->text(), sweep);
    EXPECT_EQ(w->WarningLine(), "");
    EXPECT_EQ(Value("SELECT group_concat(idTVO) FROM tVehicles WHERE idTVO >= 50"), "51,52,53");
}

TEST_F(CommandsTest, ReloadingANewRecordShowsTheStoredOneAndLaterSavesUpdateIt) {
    ShowVehicle("12");
    QTest::mouseClick(w->JvXPBtnNewVO, Qt::LeftButton);
    Type(1, "NVO", "999");
    ASSERT_TRUE(w->State.FlagNewEnreg);
    QTest::mouseClick(w->JvXPBtnActualize, Qt::LeftButton);
    EXPECT_FALSE(w->State.FlagNewEnreg);
    EXPECT_EQ(platform::ControlText(Field(0, "cNVO")), "4711");
    EXPECT_FALSE(w->JvXPBtnSave->isEnabled());
    Type(1, "PrixVente", "1100");
    QTest::mouseClick(w->JvXPBtnSave, Qt::LeftButton);
    EXPECT_EQ(Received("AxUpdate"), QStringList{"Update tVehicles set PrixVente=1100 where (idTVO=12)"});
    EXPECT_TRUE(Received("AxInsert").isEmpty());
}

TEST_F(CommandsTest, NoNewRecordWhileTheChangesCannotBeSaved) {
    ShowVehicle("12");
    Type(1, "PrixVente", "5");
    EXPECT_FALSE(w->JvXPBtnNewVO->isEnabled()); // the button waits for the save
    Sql("CREATE TRIGGER refuse BEFORE UPDATE ON tVehicles BEGIN SELECT RAISE(ABORT, 'fiche bloquée'); END;");
    Commands().JvXPBtnNewVOClick();
    EXPECT_FALSE(w->State.FlagNewEnreg);
    EXPECT_EQ(platform::ControlText(DescOf(1, "PrixVente").ValueControl), "5");
    EXPECT_TRUE(w->JvXPBtnSave->isEnabled());
    EXPECT_TRUE(w->WarningLine().contains("fiche bloquée")) << w->WarningLine().toStdString();
}

// A server whose insert answer carries no new identifier: everything else goes to the real one.
TEST_F(CommandsTest, AnInsertAnsweredWithoutIdentifierForgetsItBeforeTheReload) {
    httplib::Server relay;
    std::atomic<int> infoRequests{0};
    const int realPort = web.port();
    relay.Get(".*", [&](const httplib::Request& req, httplib::Response& res) {
        if (req.path.ends_with("/AxInsert")) {
            res.set_content("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><document><OutParams></OutParams>"
                            "</document>",
                            "text/xml");
            return;
        }
        if (req.path.ends_with("/AxInfoVO")) ++infoRequests;
        httplib::Client real("127.0.0.1", realPort);
        const auto answer = real.Get(req.target);
        res.status = answer ? answer->status : 502;
        if (answer) res.set_content(answer->body, "text/xml");
    });
    const int port = relay.bind_to_any_port("127.0.0.1");
    std::thread serving([&] { relay.listen_after_bind(); });
    const QString base = QStringLiteral("http://127.0.0.1:%1/garvex/").arg(port);

    ShowVehicle("12", {{"BaseHRef", base}});
    QTest::mouseClick(w->JvXPBtnNewVO, Qt::LeftButton);
    Type(1, "NVO", "4713");
    Type(1, "Site", "NORD");
    Type(1, "InfoMarque", "ORLANE");
    const int before = infoRequests;
    EXPECT_TRUE(Commands().SaveChanges());
    EXPECT_EQ(infoRequests, before); // nothing to ask for: the answer on disk is laid out again
    EXPECT_EQ(w->State.idTVO, "12"); // which is the vehicle shown before
    EXPECT_FALSE(w->State.FlagNewEnreg);
    EXPECT_EQ(platform::ControlText(Field(0, "cNVO")), "4711");
    w->Http().DropConnection();
    relay.stop();
    serving.join();
}
