// Every search kind against the demo dealership: the grid holds what the database holds for the
// text, in the order of the kind's ORDER BY, and a click opens the record found.
#include "SearchWindowFixture.h"
#include "record/RecordForm.h"
#include "webserver/DemoLoader.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

using search::TSearchPanel;

namespace {

struct DemoCase {
    const char* name;
    QLabel* TSearchPanel::*kind;
    // A text to search for, taken from the database; then the identifiers the search must give,
    // in order, with "?" standing for that text.
    const char* textQuery;
    const char* expectedQuery;
};

std::string with(std::string query, const QString& text) {
    return query.replace(query.find('?'), 1, text.toStdString());
}

} // namespace

class DemoSearchTest : public SearchWindowTest {
protected:
    void CreateDatabase() override {
        webserver::demo::createDemo({dbPath, dir.filePath("photos").toStdString(), 120, 120, false});
    }
    void OpenDemo(const QString& idTVO, const QString& idClient) {
        Open({{"idTVO", idTVO},
              {"idClient", idClient},
              {"idUser", "1000001"},
              {"UserConcession", "MER"},
              {"UserSite", "#"}});
        ClickSearchButton();
        RunCountdown();
    }
    void Check(const DemoCase& c) {
        SCOPED_TRACE(c.name);
        const QStringList texts = Select(c.textQuery);
        ASSERT_FALSE(texts.isEmpty());
        const QStringList expected = Select(with(c.expectedQuery, texts.first()));
        ASSERT_FALSE(expected.isEmpty());
        ASSERT_LE(expected.size(), 50);
        Click(panel.get()->*c.kind);
        panel->ncbSearch->setText(texts.first());
        RunCountdown();
        ASSERT_EQ(w->WarningLine(), "");
        QStringList found;
        for (int r = 0; r < panel->ngSearch->rowCount(); ++r)
            found << panel->Cell(r, search::ngsIndex);
        EXPECT_EQ(found, expected) << texts.first().toStdString();
    }
    record::TRecordForm& Form() { return *w->findChild<record::TRecordForm*>(); }
};

TEST_F(DemoSearchTest, VehicleKinds) {
    const DemoCase cases[] = {
        {"registration", &TSearchPanel::TSLbImmat,
         "SELECT substr(Immatriculation, 4, 3) FROM tVehicles WHERE Concession = 'MER' AND Immatriculation > "
         "'' "
         "ORDER BY idTVO",
         "SELECT idTVO FROM tVehicles WHERE Concession = 'MER' AND Immatriculation LIKE '%?%' "
         "ORDER BY Immatriculation, DateOrdre DESC"},
        {"buyer", &TSearchPanel::TSLbClient,
         "SELECT substr(Acheteur, 1, instr(Acheteur, ' ') - 1) FROM tVehicles WHERE Concession = 'MER' "
         "AND Acheteur > '' ORDER BY idTVO",
         "SELECT idTVO FROM tVehicles WHERE Concession = 'MER' AND Acheteur LIKE '%?%' "
         "ORDER BY Acheteur, DateOrdre DESC"},
        {"number", &TSearchPanel::TSLbNVO, "SELECT max(NVO) - 8 FROM tVehicles WHERE Concession = 'MER'",
         "SELECT idTVO FROM tVehicles WHERE Concession = 'MER' AND NVO >= ? ORDER BY NVO"},
    };
    OpenDemo("1001", "");
    for (const DemoCase& c : cases)
        Check(c);

    const QString id = panel->Cell(0, search::ngsIndex);
    ClickRow(0);
    EXPECT_EQ(Requests("AxInfoVO").back().at("idTVO"), id.toStdString());
    EXPECT_EQ(Form().Commands.GetIdVO(false),
              Select("SELECT idVO FROM tVehicles WHERE idTVO = " + id.toStdString()).value(0));
}

TEST_F(DemoSearchTest, CustomerKinds) {
    const DemoCase cases[] = {
        {"registration of a customer's vehicle", &TSearchPanel::TSLbImmat,
         "SELECT substr(Immatriculation, 4, 3) FROM TVehiclesKundor WHERE Concession = 'MER' ORDER BY idTVO",
         "SELECT idClient FROM TVehiclesKundor WHERE Concession = 'MER' AND Immatriculation LIKE '%?%' "
         "ORDER BY Immatriculation, DateOrdre DESC"},
        {"name", &TSearchPanel::TSLbClient,
         "SELECT CliNom FROM tClients WHERE Concession = 'MER' ORDER BY idClient",
         "SELECT idClient FROM tClients WHERE Concession = 'MER' AND CliNom LIKE '%?%' "
         "ORDER BY CliNom, CliPrenom, idClient DESC"},
        {"mobile", &TSearchPanel::TSLbMobile,
         "SELECT substr(CliMobile, 1, 5) FROM tClients WHERE Concession = 'MER' ORDER BY idClient",
         "SELECT idClient FROM tClients WHERE Concession = 'MER' AND CliMobile LIKE '%?%' "
         "ORDER BY CliMobile, idClient DESC"},
        {"telephone", &TSearchPanel::TSLbTelephone,
         "SELECT substr(CliTelDom, 1, 5) FROM tClients WHERE Concession = 'MER' AND CliTelDom > '' ORDER BY "
         "idClient",
         "SELECT idClient FROM tClients WHERE Concession = 'MER' AND CliTelDom LIKE '%?%' "
         "ORDER BY CliTelDom, idClient DESC"},
    };
    OpenDemo("", Select("SELECT min(idClient) FROM tClients WHERE Concession = 'MER'").value(0));
    for (const DemoCase& c : cases)
        Check(c);

    const QString id = panel->Cell(0, search::ngsIndex);
    ClickRow(0);
    EXPECT_EQ(Requests("AxInfoCL").back().at("idClient"), id.toStdString());
    EXPECT_EQ(Form().Commands.GetIdClient(false), id);
}
