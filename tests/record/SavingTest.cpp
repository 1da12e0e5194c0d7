// Saving on the real window against the web server: the statements it receives, what its
// database holds afterwards, and nothing lost when a save fails.
#include "SavingFixture.h"
#include "platform/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TEST_F(SavingTest, AnUpdateWritesExactlyTheChangedFields) {
    ShowVehicle("12");
    EXPECT_TRUE(w->State.Pages[1].PendingSql.isEmpty());
    EXPECT_FALSE(w->JvXPBtnSave->isEnabled());
    EXPECT_TRUE(w->JvXPBtnNewVO->isEnabled());

    Type(1, "PrixVente", "1250.50");
    EXPECT_EQ(w->LbDebugInfo2->text(), "Update tVehicles set PrixVente=1250.50 where (idTVO=12)");
    EXPECT_TRUE(w->JvXPBtnSave->isEnabled());
    EXPECT_FALSE(w->JvXPBtnNewVO->isEnabled());

    Type(1, "PrixVente", "1000.00"); // back to the loaded value: nothing left to save
    EXPECT_EQ(w->State.Pages[1].PendingSql, "");
    EXPECT_FALSE(w->JvXPBtnSave->isEnabled());
    EXPECT_TRUE(w->JvXPBtnNewVO->isEnabled());

    Type(1, "PrixVente", "1250.50");
    Type(1, "DateEntree", ""); // the picker shows its empty mask
    Type(1, "Observations", "O'NEIL & fils + 100%");
    ASSERT_EQ(platform::ControlText(DescOf(1, "DateEntree").ValueControl), platform::TDatePicker::EmptyText);
    QTest::mouseClick(w->JvXPBtnSave, Qt::LeftButton);

    EXPECT_EQ(
        Received("AxUpdate"),
        QStringList{"Update tVehicles set DateEntree=NULL,PrixVente=1250.50,Observations='O''NEIL & fils + "
                    "100%' where (idTVO=12)"});
    EXPECT_EQ(Value("SELECT PrixVente FROM tVehicles WHERE idTVO=12"), "1250.5");
    EXPECT_EQ(Value("SELECT DateEntree FROM tVehicles WHERE idTVO=12"), "NULL");
    EXPECT_EQ(Value("SELECT Observations FROM tVehicles WHERE idTVO=12"), "O'NEIL & fils + 100%");
    EXPECT_EQ(w->WarningLine(), "");
    for (const record::TsDesc& d : w->State.Pages[1].Descs)
        EXPECT_EQ(d.OrigValue, d.CurValue) << d.FieldName.toStdString();
    EXPECT_EQ(w->State.Pages[1].PendingSql, "");
    EXPECT_FALSE(w->JvXPBtnSave->isEnabled());
    EXPECT_TRUE(w->JvXPBtnNewVO->isEnabled());
    EXPECT_EQ(dialogs.CurrentCursor(), platform::Cursor::Default);
    const QStringList trace = TraceLines();
    EXPECT_TRUE(trace.filter("contrôle info véhicule 12").size() == 1);
    EXPECT_EQ(trace.filter("Save Changes -").size(), 3);
}

TEST_F(SavingTest, KeysAndFieldsNeverWrittenAsTheServerReceivesThem) {
    ShowVehicle("12");
    w->Tabs->setCurrentIndex(8);
    Type(9, "PrixReprise", "5000");
    Type(9, "PrixFDM", "12");
    Type(9, "InfoVersion", "Autre version");
    ASSERT_EQ(DescOf(9, "FrevoInterne").OrigValue, "0.00");
    Type(9, "FrevoInterne", ""); // a cost total emptied is no change
    EXPECT_EQ(w->State.Pages[9].PendingSql, "");
    EXPECT_FALSE(w->JvXPBtnSave->isEnabled());

    Type(9, "FrevoInterne", "12.5");
    EXPECT_EQ(w->State.Pages[9].PendingSql,
              "Update tVehicles set FrevoInterne=12.5 where (idTVO=12) and (Immatriculation='AB-123-CD') and "
              "(isNull(idClient))");
    Type(9, "FrevoInterne", "");
    Type(9, "InfoCouleur", "Rouge");
    QTest::mouseClick(w->JvXPBtnSave, Qt::LeftButton);
    EXPECT_EQ(Received("AxUpdate"),
              QStringList{"Update tVehicles set InfoCouleur='Rouge' where (idTVO=12) and "
                          "(Immatriculation='AB-123-CD') and (isNull(idClient))"});
    EXPECT_EQ(Value("SELECT InfoCouleur FROM tVehicles WHERE idTVO=12"), "Rouge");
    EXPECT_EQ(Value("SELECT PrixReprise FROM tVehicles WHERE idTVO=12"), "NULL");
    EXPECT_EQ(Value("SELECT InfoTypeVersion FROM tVehicles WHERE idTVO=12"), "NULL");
}

TEST_F(SavingTest, AFailedSaveKeepsEveryChangePendingAndTheNextSaveSendsIt) {
    const int port = web.port();
    const struct {
        const char* what;
        std::function<void()> fail, mend;
        const char* warning;
    } cases[] = {
        {"refused by the database",
         [&] {
             Sql("CREATE TRIGGER refuse BEFORE UPDATE ON tVehicles BEGIN SELECT RAISE(ABORT, 'fiche "
                 "bloquée'); END;");
         },
         [&] { Sql("DROP TRIGGER refuse;"); }, "fiche bloquée"},
        {"server down", [&] { web.stop(); }, [&] { StartServer(port); }, "Connexion au serveur impossible"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShowVehicle("12");
        Type(1, "PrixVente", "777");
        Type(1, "Observations", "à revoir");
        const QString pending = w->State.Pages[1].PendingSql;
        c.fail();
        EXPECT_FALSE(Commands().SaveChanges());
        EXPECT_TRUE(w->WarningLine().contains(c.warning)) << w->WarningLine().toStdString();
        EXPECT_TRUE(w->PanelWarning->isVisibleTo(w.get()));
        EXPECT_EQ(w->State.Pages[1].PendingSql, pending);
        EXPECT_TRUE(w->JvXPBtnSave->isEnabled());
        EXPECT_EQ(DescOf(1, "PrixVente").OrigValue, "1000.00");
        EXPECT_EQ(DescOf(1, "PrixVente").CurValue, "777");
        EXPECT_EQ(platform::ControlText(DescOf(1, "PrixVente").ValueControl), "777");
        EXPECT_EQ(dialogs.CurrentCursor(), platform::Cursor::Default);
        EXPECT_TRUE(dialogs.shown.empty()); // the warning line says it, no box
        EXPECT_EQ(Value("SELECT PrixVente FROM tVehicles WHERE idTVO=12"), "1000");

        c.mend();
        EXPECT_TRUE(Commands().SaveChanges());
        EXPECT_EQ(w->WarningLine(), "");
        EXPECT_EQ(Value("SELECT PrixVente FROM tVehicles WHERE idTVO=12"), "777");
        EXPECT_EQ(Value("SELECT Observations FROM tVehicles WHERE idTVO=12"), "à revoir");
        EXPECT_FALSE(w->JvXPBtnSave->isEnabled());
        Sql("UPDATE tVehicles SET PrixVente = 1000, Observations = 'Bon état' WHERE idTVO = 12;");
        Received("AxUpdate");
    }
}

TEST_F(SavingTest, ANewUsedVehicleIsInsertedUnderTheServersNumberThenUpdated) {
    ShowVehicle("12");
    QTest::mouseClick(w->JvXPBtnNewVO, Qt::LeftButton);
    ASSERT_TRUE(w->State.FlagNewEnreg);
    EXPECT_EQ(w->Tabs->currentIndex(), 0);
    EXPECT_EQ(platform::ControlText(DescOf(1, "Observations").ValueControl), ""); // defaults shown
    Type(1, "NVO", "4712");
    Type(1, "Site", "SUD");
    Type(1, "InfoMarque", "ORLANE");
    Type(1, "PrixVente", "9800");
    Type(1, "DateEntree", "02/12/2009");
    QTest::mouseClick(w->JvXPBtnSave, Qt::LeftButton);

    EXPECT_EQ(
        Received("AxInsert"),
        QStringList{"Insert into tVehicles (NVO,Site,InfoMarque,DateEntree,PrixVente, idTVO, TypeVO, idVO, "
                    "idOwner, Concession) Values (4712,'SUD','ORLANE',#12/02/2009#,9800, :NewID, 1, "
                    ":NewIDbis,1000042, 'MERISCA')"});
    const QString id = w->State.idTVO;
    ASSERT_NE(id, "12");
    EXPECT_EQ(Value("SELECT NVO || ' ' || Site || ' ' || DateEntree || ' ' || PrixVente || ' ' || idOwner "
                    "FROM tVehicles WHERE idTVO=" +
                    id.toStdString()),
              "4712 SUD 2009-12-02 9800 1000042");
    EXPECT_EQ(w->LbIdTVO->text(), id);
    EXPECT_FALSE(w->State.FlagNewEnreg);
    EXPECT_EQ(w->xcInfoNVO->text(), "4712");
    EXPECT_EQ(DescOf(1, "PrixVente").OrigValue, "9800.00"); // the stored record, reloaded
    EXPECT_FALSE(w->JvXPBtnSave->isEnabled());

    Type(1, "PrixVente", "9500");
    QTest::mouseClick(w->JvXPBtnSave, Qt::LeftButton);
    EXPECT_EQ(Received("AxUpdate"),
              QStringList{"Update tVehicles set PrixVente=9500 where (idTVO=" + id + ")"});
    EXPECT_EQ(Value("SELECT PrixVente FROM tVehicles WHERE idTVO=" + id.toStdString()), "9500");
}

TEST_F(SavingTest, TheNewButtonPresetsTheUsersSite) {
    const struct {
        const char* what;
        const char* userSite;
        const char* us1;
        QString site;
    } cases[] = {
        {"US1 wins, any case", "#", "sud", "SUD"},
        {"the site written first in UserSite, whatever the list's order", "SUD;NORD", "", "SUD"},
        {"one site", "xNORDx", "", "NORD"},
        {"every site: no preset", "#", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Sql(std::string("UPDATE Users SET UserSite='") + c.userSite + "', US1='" + c.us1 + "';");
        ShowVehicle("12");
        auto* site = Field<QComboBox>(0, "cSite");
        ASSERT_GT(site->findText("SUD"), site->findText("NORD"));
        QTest::mouseClick(w->JvXPBtnNewVO, Qt::LeftButton);
        EXPECT_EQ(site->currentText(), c.site);
        EXPECT_EQ(DescOf(1, "Site").CurValue, c.site);
        EXPECT_EQ(w->State.Pages[1].PendingSql.contains("'" + c.site + "'"), !c.site.isEmpty());
    }
}

TEST_F(SavingTest, AMissingMandatoryFieldTakesTheFocusAndSendsNothing) {
    const struct {
        const char* what;
        QString id, idTypeVO;
        std::vector<std::pair<const char*, QString>> typed; // page 1 fields, or page 3 for the order
        const char* focused;
    } cases[] = {
        {"no number", "12", "1", {{"NVO", ""}}, "cNVO"},
        {"number 0", "12", "1", {{"NVO", "0"}}, "cNVO"},
        {"number not a number", "12", "1", {{"NVO", "12A"}}, "cNVO"},
        {"no site", "12", "1", {{"Site", ""}}, "cSite"},
        {"no make", "12", "1", {{"InfoMarque", ""}}, "cInfoMarque"},
        {"ordered without destination", "12", "1", {{"DateOrdre", "01/12/2009"}}, "cDestination"},
        {"registered after its entry", "12", "1", {{"MEC", "02/03/2009"}}, "cMEC"},
        {"order without model", "21", "3", {{"InfoModele", ""}}, "cVNInfoModele"},
        {"order without type version", "21", "3", {{"InfoTypeVersion", ""}}, "cVNInfoTypeVersion"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShowVehicle(c.id, {{"idTypeVO", c.idTypeVO}});
        const int page = c.id == "21" ? 3 : 1;
        Type(page, "NVO", c.id == "21" ? "5002" : "4712"); // something to save
        for (const auto& [field, text] : c.typed)
            Type(page, field, text);
        w->setFocus();
        EXPECT_FALSE(Commands().SaveChanges()); // an existing record stays where it is
        EXPECT_EQ(w->focusWidget(), Field(page - 1, c.focused));
        EXPECT_TRUE(Received("AxUpdate").isEmpty());
        EXPECT_TRUE(w->JvXPBtnSave->isEnabled());

        w->State.FlagNewEnreg = true; // a new record lets the caller go on, still sending nothing
        EXPECT_TRUE(Commands().SaveChanges());
        EXPECT_TRUE(Received("AxInsert").isEmpty());
    }
    // A date half typed is no date: it counts as now, after any entry date.
    ShowVehicle("12");
    Type(1, "MEC", "");
    QTest::keyClick(DescOf(1, "MEC").ValueControl, Qt::Key_Home);
    QTest::keyClicks(DescOf(1, "MEC").ValueControl, "02");
    ASSERT_EQ(DescOf(1, "MEC").CurValue, "02/__/____");
    EXPECT_FALSE(Commands().SaveChanges());
    EXPECT_EQ(w->focusWidget(), Field(0, "cMEC"));

    // A first registration on the entry date itself is accepted.
    ShowVehicle("12");
    Type(1, "MEC", "01/03/2009");
    EXPECT_TRUE(Commands().SaveChanges());
    EXPECT_EQ(Value("SELECT MEC FROM tVehicles WHERE idTVO=12"), "2009-03-01");
}

TEST_F(SavingTest, CustomerChecksOnBothCustomerPages) {
    // A customer entered elsewhere without site and salesperson: both stay open to the user.
    Sql("INSERT INTO tClients (idClient, Concession, CliNom) VALUES (31, 'MERISCA', 'VIDAL');"
        "INSERT INTO TVehiclesKundor (idTVO, idClient, Concession, InfoMarque, InfoModele) VALUES "
        "(41, 31, 'MERISCA', 'ALBA', 'A1');");
    const struct {
        const char* what;
        int sheet;
        std::vector<std::pair<const char*, QString>> typed;
        const char* focused;
    } cases[] = {
        {"no site", 6, {}, "aSite"},
        {"no salesperson", 6, {{"Site", "NORD"}}, "aidCom"},
        {"no name", 6, {{"Site", "NORD"}, {"idCom", "Martin"}, {"CliNom", ""}}, "aCliNom"},
        {"vehicle without make", 7, {{"InfoMarque", ""}}, "vInfoMarque"},
        {"vehicle without model", 7, {{"InfoModele", ""}}, "vInfoModele"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShowCustomer("31");
        w->Tabs->setCurrentIndex(c.sheet);
        Type(c.sheet + 1, c.sheet == 6 ? "CliPrenom" : "Immatriculation", "X"); // something to save
        for (const auto& [field, text] : c.typed)
            Type(c.sheet + 1, field, text);
        EXPECT_FALSE(Commands().SaveChanges());
        EXPECT_EQ(w->focusWidget(), Field(c.sheet, c.focused));
        EXPECT_TRUE(Received("AxUpdate").isEmpty());
    }
}

TEST_F(SavingTest, ANewCustomerTakesTheNewIdentifier) {
    ShowCustomer("30");
    QTest::mouseClick(w->JvXPBtnNewVO, Qt::LeftButton);
    EXPECT_EQ(w->State.idClient, "-2");
    EXPECT_EQ(w->Tabs->currentIndex(), 6);
    EXPECT_EQ(Field<QComboBox>(6, "aSite")->currentText(), "NORD"); // the user's US1
    Type(7, "idCom", "Martin");
    Type(7, "CliNom", "DURAND");
    QTest::mouseClick(w->JvXPBtnSave, Qt::LeftButton);

    EXPECT_EQ(
        Received("AxInsert"),
        QStringList{"Insert into tClients (Site,idCom,CliNom, idClient, DateCreation, idOwner, Concession) "
                    "Values ('NORD',7,'DURAND', :NewID, #12/25/2009#,1000042, 'MERISCA')"});
    const QString id = w->State.idClient;
    EXPECT_GT(id.toInt(), 30);
    EXPECT_EQ(w->LbIDCustomer->text(), id);
    EXPECT_EQ(Value("SELECT CliNom || ' ' || idCom || ' ' || DateCreation FROM tClients WHERE idClient=" +
                    id.toStdString()),
              "DURAND 7 2009-12-25");
    EXPECT_FALSE(w->State.FlagNewEnreg);
    EXPECT_EQ(DescOf(7, "CliNom").OrigValue, "DURAND");
}

TEST_F(SavingTest, ANewVehicleOfACustomerIsInsertedForThatCustomer) {
    ShowCustomer("30");
    w->Tabs->setCurrentIndex(7);
    // What the button adding a vehicle does.
    w->State.FlagNewVehicle = true;
    w->State.VehicleIndex = -1;
    Form(*w).Layout.UpdateTabDesc(false, true);
    Type(8, "InfoMarque", "ALBA");
    Type(8, "InfoModele", "A1");
    Type(8, "Immatriculation", "ZZ-9");
    QTest::mouseClick(w->JvXPBtnSave, Qt::LeftButton);

    EXPECT_EQ(Received("AxInsert"),
              QStringList{
                  "Insert into TVehiclesKundor (InfoMarque,InfoModele,Immatriculation, idClient, idTVO, NVO, "
                  "idOwner, Concession) Values ('ALBA','A1','ZZ-9',30, :NewID, :NewIDbis,1000042, "
                  "'MERISCA')"});
    const QString id = w->State.idTVO;
    EXPECT_EQ(w->State.idClient, "30");
    EXPECT_EQ(Value("SELECT idClient || ' ' || Immatriculation FROM TVehiclesKundor WHERE idTVO=" +
                    id.toStdString()),
              "30 ZZ-9");
    EXPECT_FALSE(w->State.FlagNewVehicle);
}

TEST_F(SavingTest, TheLockRefusesKeysAndChangesWithItsMessage) {
    const struct {
        const char* what;
        std::string sql;
        QString id, idClient;
        int page;
        const char* field;
        QString message;
    } cases[] = {
        {"delivered before the lock date", "UPDATE tVehicles SET DateLivraison='2009-01-10' WHERE idTVO=21;",
         "21", "", 3, "NVO", "Enregistrement verrouillé, Date Livraison antérieure au 01/02/2009"},
        {"a site not the user's", "UPDATE Users SET UserSite='SUD';", "12", "", 1, "NVO",
         "Enregistrement verrouillé"},
        {"delivered on the lock date", "UPDATE tVehicles SET DateLivraison='2009-02-01' WHERE idTVO=21;",
         "21", "", 3, "NVO", ""},
        {"a customer of another site", "UPDATE Users SET UserSite='SUD';", "", "30", 7, "CliNom", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Sql("UPDATE OptDates SET Opt_LimiteDateVerrouVNVO='2009-02-01'; UPDATE Users SET UserSite='#';"
            "UPDATE tVehicles SET DateLivraison=NULL;" +
            c.sql);
        Show({{"idTVO", c.id}, {"idClient", c.idClient}, {"idTypeVO", c.id == "21" ? "3" : "1"}});
        QWidget* control = DescOf(c.page, c.field).ValueControl;
        const QString loaded = DescOf(c.page, c.field).CurValue;
        w->SetWarningLine("");
        QKeyEvent key(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7");
        QCoreApplication::sendEvent(control, &key);
        EXPECT_EQ(w->WarningLine(), c.message);
        EXPECT_EQ(w->PanelWarning->isVisibleTo(w.get()), !c.message.isEmpty());

        w->SetWarningLine("");
        platform::SetControlText(control, "8");
        EXPECT_EQ(w->WarningLine(), c.message);
        EXPECT_EQ(DescOf(c.page, c.field).CurValue, c.message.isEmpty() ? QString("8") : loaded);
        EXPECT_EQ(w->State.Pages[c.page].PendingSql.isEmpty(), !c.message.isEmpty());
        if (c.idClient.isEmpty())
            EXPECT_EQ(control->isEnabled(), c.message.isEmpty());
        else
            EXPECT_FALSE(control->isEnabled()); // no right on another site's customer, yet not locked
    }
}

TEST_F(SavingTest, AUsedVehicleSoldToAPrivateBuyerGetsItsSitesFeeOnce) {
    ShowVehicle("12");
    Type(1, "Site", "SUD");
    Type(1, "Destination", "PARTICULIERS");
    QTest::mouseClick(w->JvXPBtnSave, Qt::LeftButton);
    EXPECT_EQ(Received("AxUpdate"),
              QStringList{"Update tVehicles set Site='SUD',Destination='PARTICULIERS' where (idTVO=12)"});
    EXPECT_EQ(
        Received("AxInsert"),
        QStringList{"Insert into [tVO - Frevo] (DateFrevo, TypeFrevo, MontantHT, idVO, idFrevo ) Values "
                    "(#12/25/2009#,'fixe', 150.00, 12, :NewID) "});
    EXPECT_EQ(
        Value("SELECT DateFrevo || ' ' || MontantHT FROM [tVO - Frevo] WHERE idVO=12 AND TypeFrevo='fixe'"),
        "2009-12-25 150");
    EXPECT_EQ(DescOf(1, "Site").OrigValue, "SUD"); // the view was loaded again

    Type(1, "PrixVente", "1500");
    QTest::mouseClick(w->JvXPBtnSave, Qt::LeftButton);
    EXPECT_EQ(Received("AxUpdate").size(), 1);
    EXPECT_TRUE(Received("AxInsert").isEmpty());
}

TEST_F(SavingTest, ALongTextIsSavedWhole) {
    ShowVehicle("12");
    QString remarks;
    for (int i = 0; i < 600; ++i)
        remarks += QStringLiteral("Révision %1 + pneus & freins; ").arg(i);
    remarks.chop(1); // texts are saved without their outer blanks
    ASSERT_GT(remarks.size(), 16000);
    Type(1, "Observations", remarks);
    EXPECT_TRUE(Commands().SaveChanges());
    EXPECT_EQ(w->WarningLine(), "");
    // Compared as a flag: a failure would print pages of text.
    EXPECT_TRUE(QString::fromStdString(Value("SELECT Observations FROM tVehicles WHERE idTVO=12")) ==
                remarks);
    EXPECT_FALSE(w->JvXPBtnSave->isEnabled());
}
