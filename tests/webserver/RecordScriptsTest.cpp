// AxInfoVO and AxInfoCL, read back as the record form reads them.
#include "WebServerFixture.h"

#include "server/SqlLiterals.h"

#include <QDate>
#include <QRegularExpression>

namespace webserver::test {
namespace {

using server::TXml;

class RecordScripts : public WebServerTest {};

TEST_F(RecordScripts, UsedVehicleCarriesUserDatesGroupsValuesCostsAndPhotos) {
    // A used vehicle of the first dealership with photos and costs.
    const std::string id = scalar("SELECT v.idTVO FROM tVehicles v WHERE TypeVO=1 AND Concession='MER' AND EXISTS"
                                  " (SELECT 1 FROM [tVO - Frevo] f WHERE f.idVO=v.idVO) AND NomImage IS NOT NULL LIMIT 1");
    ASSERT_FALSE(id.empty());
    const TXml xml = get("AxInfoVO", "idTVO=" + id + "&UserID=1000001");
    EXPECT_EQ(warning(xml), "");
    EXPECT_EQ(child(xml, "User", "UserConcession"), "MER");
    EXPECT_EQ(child(xml, "User", "UserSite"), "#");
    EXPECT_EQ(child(xml, "User", "US1"), "LILLE");
    EXPECT_EQ(child(xml, "OptDates", "Opt_LimiteDateVerrouVNVO"), "01/01/2025");
    EXPECT_EQ(child(xml, "OptDates", "Now"), QDate::currentDate().toString("dd/MM/yyyy"));
    TXml groups = xml;
    server::XmlSelect(groups, "GNames");
    QStringList names;
    while (server::XmlNext(groups, "GName")) names << groups.Item;
    EXPECT_EQ(names, QStringList({"COMPTA", "KUNDOR", "SUPERADMINS", "SVO"}));

    EXPECT_EQ(child(xml, "tVO", "idtVO"), QString::fromStdString(id));
    EXPECT_EQ(child(xml, "tVO", "TypeVO"), "1");
    EXPECT_EQ(child(xml, "tVO", "Concession"), "MER");
    EXPECT_EQ(child(xml, "tVO", "idVO"), QString::fromStdString(scalar("SELECT idVO FROM tVehicles WHERE idTVO=" + id)));
    EXPECT_TRUE(QRegularExpression("^\\d\\d/\\d\\d/\\d{4}$").match(child(xml, "tVO", "DateEntree")).hasMatch());
    EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d\\d$").match(child(xml, "tVO", "PrixVente")).hasMatch());

    // Frevo is the total of the cost lines the same answer lists.
    TXml costs = xml;
    server::XmlSelect(costs, "FrevoS");
    double total = 0;
    int lines = 0;
    while (server::XmlNext(costs, "Frevo")) {
        QString amount;
        server::XmlGet(costs, "MontantHT", amount);
        total += amount.toDouble();
        ++lines;
    }
    EXPECT_GT(lines, 0);
    EXPECT_EQ(child(xml, "tVO", "Frevo"), QString::number(total, 'f', 2));

    const int photos = itemCount(xml, "ImageS", "Image");
    EXPECT_EQ(QString::number(photos), QString::fromStdString(scalar(
        "SELECT count(*) FROM [tVO - Liens Images] i JOIN tVehicles v ON v.idVO=i.idVO WHERE v.idTVO=" + id)));
    EXPECT_EQ(child(xml, "ImageS", "NomImage"), child(xml, "tVO", "NomImage"));
}

TEST_F(RecordScripts, ReservationAndBuyerSectionOfAVehicle) {
    const std::string vn = scalar("SELECT idTVO FROM Reservations LIMIT 1");
    ASSERT_FALSE(vn.empty());
    const TXml reserved = get("AxInfoVO", "idTVO=" + vn + "&UserID=1000001");
    EXPECT_FALSE(child(reserved, "ResaS", "DResaMax").isEmpty());
    EXPECT_EQ(child(reserved, "ResaS", "Commentaire"), "Attente accord de financement");

    // idClient -1: the customer section is the buyer's; without a buyer, its fields are empty.
    const std::string sold = scalar("SELECT idTVO FROM tVehicles WHERE idClient IS NOT NULL LIMIT 1");
    const TXml withBuyer = get("AxInfoVO", "idTVO=" + sold + "&UserID=1000001", "-1");
    EXPECT_EQ(child(withBuyer, "TVC", "idClient"),
              QString::fromStdString(scalar("SELECT idClient FROM tVehicles WHERE idTVO=" + sold)));
    EXPECT_FALSE(child(withBuyer, "TVC", "CliNom").isEmpty());
    const std::string unsold = scalar("SELECT idTVO FROM tVehicles WHERE idClient IS NULL LIMIT 1");
    const TXml noBuyer = get("AxInfoVO", "idTVO=" + unsold + "&UserID=1000001", "-1");
    QString name = "unset";
    TXml c = noBuyer;
    server::XmlSelect(c, "TVC");
    server::XmlGet(c, "CliNom", name);
    EXPECT_EQ(name, "");
}

TEST_F(RecordScripts, UnknownOrMalformedIdentifiers) {
    const TXml missing = get("AxInfoVO", "idTVO=999999&UserID=1000001");
    EXPECT_EQ(warning(missing), "");
    EXPECT_EQ(child(missing, "tVO", "TypeVO"), ""); // a new record: no TypeVO, the client defaults it
    EXPECT_EQ(itemCount(missing, "FrevoS", "Frevo"), 0);
    const TXml bad = get("AxInfoVO", "idTVO=12;drop&UserID=1000001");
    EXPECT_TRUE(warning(bad).startsWith("Identifiant de véhicule invalide")) << warning(bad).toStdString();
    const TXml stranger = get("AxInfoVO", "idTVO=1001&UserID=42");
    EXPECT_EQ(child(stranger, "User", "UserConcession"), "");
    EXPECT_EQ(itemCount(stranger, "GNames", "GName"), 0);
}

TEST_F(RecordScripts, CustomerWithActionsAndOwnedVehicles) {
    const std::string id = scalar("SELECT c.idClient FROM tClients c WHERE EXISTS (SELECT 1 FROM tActions a WHERE"
                                  " a.idClient=c.idClient) AND EXISTS (SELECT 1 FROM TVehiclesKundor k WHERE"
                                  " k.idClient=c.idClient) LIMIT 1");
    ASSERT_FALSE(id.empty());
    const TXml xml = get("AxInfoCL", "UserID=1000003", id);
    EXPECT_EQ(warning(xml), "");
    EXPECT_EQ(child(xml, "User", "Name_"), "Chloe SUIVI");
    EXPECT_EQ(child(xml, "TVC", "idClient"), QString::fromStdString(id));
    EXPECT_EQ(child(xml, "TVC", "Concession"), QString::fromStdString(scalar("SELECT Concession FROM tClients WHERE idClient=" + id)));
    EXPECT_EQ(QString::number(itemCount(xml, "TActS", "TAct")),
              QString::fromStdString(scalar("SELECT count(*) FROM tActions WHERE idClient=" + id)));
    EXPECT_EQ(QString::number(itemCount(xml, "TVehS", "TVeh")),
              QString::fromStdString(scalar("SELECT count(*) FROM TVehiclesKundor WHERE idClient=" + id)));
    // Page 8 selects "TVeh" by prefix and reads its first vehicle straight away.
    EXPECT_EQ(child(xml, "TVeh", "idtVO"),
              QString::fromStdString(scalar("SELECT min(idTVO) FROM TVehiclesKundor WHERE idClient=" + id)));
    EXPECT_FALSE(child(xml, "TVeh", "InfoMarque").isEmpty());
}

TEST_F(RecordScripts, TextValuesAreEscapedForTheTagReader) {
    const std::string id = scalar("SELECT min(idClient) FROM tClients");
    const std::string text = server::QuoteSqlText("a<b> & c\r\nd").toStdString();
    const TXml ok = update("Update tClients set CliObservations=" + text + ", CliNom='ÉLODIE' where (idClient=" + id + ")");
    ASSERT_EQ(warning(ok), "");
    const std::string raw = getRaw("AxInfoCL", "UserID=1000001", id);
    EXPECT_NE(raw.find("<CliObservations>a&lt;b&gt; &amp; c&cr;d</CliObservations>"), std::string::npos);
    EXPECT_NE(raw.find("<CliNom>\xC9LODIE</CliNom>"), std::string::npos) << "Windows-1252 on the wire";
    EXPECT_EQ(raw.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", 0), 0u);
}

} // namespace
} // namespace webserver::test
