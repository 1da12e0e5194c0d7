#include "SearchWindowFixture.h"

#include "platform/Win1252.h"
#include "record/PickListsLink.h"
#include "record/RecordForm.h"
#include "server/Requests.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

constexpr const char* kRecords = R"(
INSERT INTO Concessions VALUES ('C1', 'Concession Une');
INSERT INTO Sites (Concession, Site, Marques) VALUES ('C1', 'LILLE', 'ORLANE'), ('C1', 'LENS', 'ORLANE');
INSERT INTO Users VALUES ('1000042', 'Martin', 'C1', 'LILLE', 'LILLE');
INSERT INTO UserGroups VALUES ('1000042', 'USER_SVO'), ('1000042', 'KUNDOR');
INSERT INTO OptDates VALUES ('C1', '2009-01-01', '2009-01-01', '2009-01-01', '2008-01-01');
INSERT INTO ListRubrics VALUES ('TVTypeVO', 1, '..', 'Tous'), ('TVTypeVO', 2, '..', 'VO'),
  ('TVTypeVO', 3, '..', 'VN'), ('TVTypeVO', 4, '..', 'VD'), ('Site', 1, 'C1', 'LILLE'), ('Site', 2, 'C1', 'LENS');
INSERT INTO tVehicles (idTVO, idVO, TypeVO, StatutVD, Concession, Site, NVO, Immatriculation, InfoMarque,
  InfoModele, Acheteur, DateOrdre) VALUES
  (12, 12, 1, NULL, 'C1', 'LILLE', 1234, 'AB-123-CD', 'Orlane', 'Orla', 'Dupont Jean', '2009-05-02'),
  (13, 13, 2, NULL, 'C1', 'LILLE', 1240, 'AB-124-CD', 'Orlane', 'Sirra', NULL, '2009-06-03'),
  (14, 14, 2, 'Démo', 'C1', 'LENS', 1250, 'AB-125-CD', 'Velda', 'V3', 'Martin Paul', NULL);
INSERT INTO tClients (idClient, Concession, Site, CliNom, CliPrenom, CliCP, CliVille, CliAdresse1, CliMobile,
  CliTelDom) VALUES
  (5, 'C1', 'LILLE', 'DUPONT', 'Jean', '59000', 'LILLE', '3 rue Nationale', '0612345678', '0320123456'),
  (6, 'C1', 'LENS', 'O''NEIL', 'Sean', '62300', 'LENS', NULL, '0698765432', NULL);
)";

} // namespace

void SearchWindowTest::SetUp() {
    Prepare();
    CreateDatabase();
    StartServer();
}

void SearchWindowTest::TearDown() {
    panel.reset();
    lists.reset();
    if (w) w->Http().DropConnection();
    w.reset();
    Finish();
}

void SearchWindowTest::CreateDatabase() {
    CreateSchema();
}

void SearchWindowTest::AddRecords() const {
    Sql(kRecords);
}

void SearchWindowTest::WriteIni(const Keys& changes) const {
    Keys keys = {{"BaseHRef", QStringLiteral("http://127.0.0.1:%1/garvex/").arg(web.port())},
                 {"HttpRoot", "http://garvex.test/"},
                 {"idTVO", "12"},
                 {"idUser", "1000042"},
                 {"UserConcession", "C1"},
                 {"UserSite", "LILLE"},
                 {"idTypeVO", "1"},
                 {"URLImages", "http://garvex.test/voimages/"}};
    WriteIniFile(keys, changes);
}

void SearchWindowTest::Open(const Keys& changes) {
    WriteIni(changes);
    openWindow();
}

void SearchWindowTest::Reopen() {
    openWindow();
}

void SearchWindowTest::openWindow() {
    panel.reset();
    lists.reset();
    if (w) w->Http().DropConnection();
    w.reset();
    w = std::make_unique<app::TAxGarvex>(dialogs);
    w->Timer1->stop();
    record::TRecordForm& form = record::AttachRecordForm(*w);
    lists = std::make_unique<lists::PickLists>(*w);
    record::ConnectPickLists(form, *lists);
    panel = std::make_unique<search::TSearchPanel>(*w);
    panel->Reload = [&form] { form.Commands.JvXPBtnActualizeClick(); };
    panel->SaveChanges = [&form] { return form.Commands.SaveChanges(); };
    w->show();
    w->Timer1Timer();
    ASSERT_EQ(w->WarningLine(), "");
}

void SearchWindowTest::RunCountdown() {
    for (int i = 0; i < 12 && w->State.SearchCountdown > 0; ++i)
        w->Timer1Timer();
}

void SearchWindowTest::ClickSearchButton(bool ctrl) {
    dialogs.ctrl = ctrl;
    Click(w->JvXPBtnSearch);
    dialogs.ctrl = false;
}

void SearchWindowTest::Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void SearchWindowTest::ClickRow(int row) {
    QTableWidget* grid = panel->ngSearch;
    const QRect cell = grid->visualItemRect(grid->item(row, search::ngsInfo1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

QString SearchWindowTest::LastQuery() const {
    const auto queries = Requests("AxQuery");
    return queries.empty() ? QString() : platform::fromWin1252(queries.back().at("SQL"));
}

QString WhereOf(const QString& query) {
    const qsizetype from = query.indexOf(" Where ") + 7, to = query.indexOf(" ORDER BY ");
    return from < 7 || to < from ? QString() : query.mid(from, to - from);
}
