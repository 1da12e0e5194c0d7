// The demo dealership's reference lists, fetched over HTTP from the web server in-process, in the
// combos of a new-vehicle order: what the server writes is what the lists read.
#include "PickListsFixture.h"
#include "server/Requests.h"
#include "webserver/DemoLoader.h"
#include "webserver/Server.h"

class DemoListsTest : public PickListsTest {
protected:
    webserver::Server web;

    void SetUp() override {
        PickListsTest::SetUp();
        const std::string db = dir.filePath("demo.sqlite").toStdString();
        const std::string photos = dir.filePath("photos").toStdString();
        webserver::demo::createDemo({db, photos, 3, 3, false});
        const int port = web.start(db, photos);
        w->Http().UpdateParams(QStringLiteral("http://127.0.0.1:%1/").arg(port), "MER");
        ASSERT_EQ(w->WarningLine(), "");
        const std::optional<QString> equip = server::LoadTextFile(Temp() + "/XmlEquip.xml");
        ASSERT_TRUE(equip);
        w->State.XmlEquip.Document = *equip;
        w->State.RecordKind = record::KindVN;
        w->State.XmlRecord.Document = "<document><GNames><GName>VENDEURS</GName></GNames></document>";
    }
    void TearDown() override {
        w->Http().DropConnection();
        web.stop();
        PickListsTest::TearDown();
    }
    static record::TsDesc VnDesc(const QString& field, int tControl, int tInfo, const QString& value) {
        record::TsDesc d = Desc(field, field, tControl, tInfo, value);
        d.RightsTag = ";VENDEURS;SVN;COMPTA;SUPERADMINS;";
        return d;
    }
};

TEST_F(DemoListsTest, NewVehicleOrderOfTheDealership) {
    QComboBox* make = FormCombo(3, "cVNInfoMarque");
    QComboBox* model = FormCombo(3, "cVNInfoModele");
    QComboBox* type = FormCombo(3, "cVNInfoTypeVersion");
    QComboBox* staff = FormCombo(3, "cVNidCom");
    QComboBox* vat = FormCombo(3, "cVNModeTVA");
    lists->AttachFormHandlers();
    w->State.CurrentSite = "LENS";
    lists->BeginLayoutPass();
    Bind(3, make, VnDesc("InfoMarque", 111, 2, "VELDA"));
    Bind(3, model, VnDesc("InfoModele", 111, 2, "VALO"));
    Bind(3, type, VnDesc("InfoTypeVersion", 111, 2, "1.5 ET 150 STYLE"));
    Bind(3, staff, VnDesc("idCom", 112, 4, "15"));
    Bind(3, vat, VnDesc("ModeTVA", 112, 2, "2"));
    lists->LayoutPassDone();

    // The makes of this dealership's new vehicles, and those common to all; not the other's.
    EXPECT_EQ(Items(make), (QStringList{"KESTREL", "ORLANE", "VELDA"}));
    EXPECT_EQ(Items(model), (QStringList{"VALO", "VIRGO", "VOLTA"}));
    EXPECT_EQ(Items(type), (QStringList{"1.0 T 110 LIFE", "1.5 ET 150 STYLE", "2.0 D 150 SPORT"}));
    EXPECT_EQ(type->currentIndex(), 1);
    EXPECT_EQ(w->State.LastInfoTypeVersion, "1.5 ET 150 STYLE");
    // The staff of the site, someone of two sites included; texts of the wire's code page.
    EXPECT_EQ(Items(staff), (QStringList{"Gaelle HAMEAU", "Ivan JOSSERAND"}));
    EXPECT_EQ(staff->currentText(), "Ivan JOSSERAND");
    EXPECT_EQ(vat->currentText(), "TVA récupérable (HT)");

    model->setCurrentText("VIRGO");
    EXPECT_EQ(Items(type), (QStringList{"1.0 80 TREND", "1.0 T 95 LIFE"}));
    make->setCurrentText("ORLANE");
    EXPECT_EQ(Items(model), (QStringList{"ESPERA", "ORLA 2"}));
    staff->setCurrentText("Gaelle HAMEAU");
    EXPECT_EQ(DescOf(staff).CurValue, "14");

    // Follow-up subjects are positions in the action subjects' list.
    EXPECT_EQ(lists->GetInfoComboBoxIdCom("SujetRelance", "Essai véhicule"), "2");
    EXPECT_EQ(lists->GetInfoComboBoxIdCom("SujetRelance", "essai véhicule"), "0");
}
