#include "RecordWindowFixture.h"

#include "platform/Win1252.h"

#include <QFile>
#include <QTimer>

namespace {

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}

// A vehicle dealership with one user holding SVO, KUNDOR and COMPTA, its date limits, and a used
// vehicle 12 of site NORD.
constexpr const char* kBase = R"(
INSERT INTO Concessions VALUES ('MERISCA', 'Merisca Automobiles');
INSERT INTO Sites (Concession, Site, Marques) VALUES ('MERISCA', 'NORD', 'ORLANE');
INSERT INTO Users VALUES ('1000042', 'Martin', 'MERISCA', '#', 'NORD');
INSERT INTO UserGroups VALUES ('1000042', 'USER_SVO'), ('1000042', 'KUNDOR'), ('1000042', 'COMPTA');
INSERT INTO OptDates VALUES ('MERISCA', '2009-01-01', '2009-01-01', '2009-01-01', '2008-01-01');
INSERT INTO tVehicles (idTVO, idVO, TypeVO, Concession, Site, NVO, InfoMarque, InfoVersion, CV, KMS, DateEntree)
  VALUES (12, 12, 1, 'MERISCA', 'NORD', 4711, 'Orlane', 'Orla 2 1.2 Alize', 5, 42000, '2009-03-01');
)";

} // namespace

void RecordWindowTest::SetUp() {
    Prepare();
    CreateSchema();
    Sql(kBase);
    StartServer();
}

void RecordWindowTest::TearDown() {
    Finish();
}

void RecordWindowTest::Add(const Desc& d) const {
    const auto v = [](const std::string& s) { return s.empty() ? std::string("NULL") : quoted(s); };
    Sql("INSERT INTO StructDesc (Concession, descInfo, idNum, txtInfo, vInfo, tag, defval, width, \"left\", "
        "top, "
        "height, length, tInfo, tControl, color, \"notNull\", enabled, fieldInfo) VALUES ('..', " +
        v(d.descInfo) + "," + v(d.idNum) + "," + v(d.txtInfo) + "," + v(d.vInfo) + "," + v(d.tag) + "," +
        v(d.defval) + "," + v(d.width) + "," + v(d.left) + "," + v(d.top) + "," + v(d.height) + "," +
        v(d.length) + "," + v(d.tInfo) + "," + v(d.tControl) + "," + v(d.color) + "," + v(d.notNull) + "," +
        v(d.enabled) + "," + v(d.fieldInfo) + ");");
}

void RecordWindowTest::AddPage(const std::string& kind, int page, const std::string& group,
                               const std::string& prefix, const std::string& caption) const {
    Desc d;
    d.descInfo = kind;
    d.idNum = std::to_string(page);
    d.txtInfo = caption;
    d.vInfo = group;
    d.tag = "tVehicles";
    d.defval = prefix;
    Add(d);
}

void RecordWindowTest::AddField(const std::string& group, const std::string& vInfo,
                                const std::string& caption, int left, int top, int width, int tControl,
                                int tInfo, const std::string& tag, const std::string& enabled) const {
    Desc d;
    d.descInfo = group;
    d.idNum = "1";
    d.txtInfo = caption;
    d.vInfo = vInfo;
    d.tag = tag;
    d.width = std::to_string(width);
    d.left = std::to_string(left);
    d.top = std::to_string(top);
    d.height = "315";
    d.length = "0";
    d.tInfo = std::to_string(tInfo);
    d.tControl = std::to_string(tControl);
    d.color = "0";
    d.notNull = "FALSE";
    d.enabled = enabled;
    Add(d);
}

QString RecordWindowTest::Base() const {
    return QStringLiteral("http://127.0.0.1:%1/garvex/").arg(web.port());
}

void RecordWindowTest::WriteIni(const Keys& changes) const {
    Keys keys = {{"BaseHRef", Base()},
                 {"HttpRoot", "http://garvex.test/"},
                 {"idTVO", "12"},
                 {"idUser", "1000042"},
                 {"UserConcession", "MERISCA"},
                 {"UserSite", "#"},
                 {"idTypeVO", "1"},
                 {"Trace", "1"},
                 {"URLImages", Base()}};
    WriteIniFile(keys, changes);
}

QStringList RecordWindowTest::Received(const std::string& script) {
    const char* name = script == "AxQuery" ? "SQL" : "SQLExecute";
    QStringList statements;
    for (const Params& params : TakeRequests(script))
        if (const auto statement = params.find(name); statement != params.end())
            statements << platform::fromWin1252(statement->second);
    return statements;
}

std::unique_ptr<app::TAxGarvex> RecordWindowTest::Create(const Keys& changes) {
    WriteIni(changes);
    auto w = std::make_unique<app::TAxGarvex>(dialogs);
    w->Timer1->stop();
    record::AttachRecordForm(*w);
    return w;
}

std::unique_ptr<app::TAxGarvex> RecordWindowTest::Open(const Keys& changes) {
    auto w = Create(changes);
    w->Timer1Timer();
    return w;
}

record::TRecordForm& RecordWindowTest::Form(app::TAxGarvex& w) {
    return *w.findChild<record::TRecordForm*>();
}

QStringList RecordWindowTest::TraceLines() const {
    QFile f(Temp() + "/TAXGarvex.log");
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromLatin1(f.readAll()).split("\r\n");
    lines.removeAll(QString());
    return lines;
}
