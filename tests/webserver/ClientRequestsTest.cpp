// The client's own request layer against the server: its escaping, its retries on the busy
// marker, its form post and its response files.
#include "WebServerFixture.h"

#include "server/Requests.h"
#include "server/SqlLiterals.h"
#include "webserver/PhotoGenerator.h"

#include <QTemporaryDir>
#include <sqlite3.h>
#include <thread>

namespace webserver::test {
namespace {

struct Host : server::RequestHost {
    QString warning, client, temp;
    int idle = 0;
    void SetWarningLine(const QString& text) override { warning = text; }
    QString WarningLine() const override { return warning; }
    void WriteTrace(const QString&) override {}
    int& IdleSeconds() override { return idle; }
    bool CtrlHeld() const override { return false; }
    void ProcessEvents() override {}
    QString idClient() const override { return client; }
    QString TempDir() const override { return temp; }
};

class ClientRequests : public WebServerTest {
    void adjust(ServerOptions& o) override { o.busyTimeout = std::chrono::milliseconds(100); }

protected:
    void SetUp() override {
        WebServerTest::SetUp();
        host.temp = temp.path();
        base = QString("http://127.0.0.1:%1/garvex/").arg(m_port);
    }
    void TearDown() override {
        requests.DropConnection(); // the server's stop waits for idle keep-alive connections
        WebServerTest::TearDown();
    }
    server::TXml file(const QString& name) {
        server::TXml xml;
        xml.Document = server::LoadTextFile(temp.filePath(name)).value_or(QString());
        return xml;
    }
    QTemporaryDir temp;
    Host host;
    server::Requests requests{host};
    QString base;
};

TEST_F(ClientRequests, SaveSearchAndReloadAsTheRecordFormDoes) {
    // A new customer saved from its tab: the insert with a quoted name, then the reload.
    const QString name = server::QuoteSqlText(QStringLiteral("  L'ÉCURIE & \"Cie\" + fils  "));
    const QString statement = "Insert into tClients (CliNom, CliObservations, idClient, DateCreation, idOwner, Concession) "
                              "Values (" + name + ", " + server::QuoteSqlText("ligne 1\r\nligne 2") + ", :NewID, " +
                              server::SqlDateText("30/11/2026") + ",1000003, 'MER')";
    host.client = "-2";
    ASSERT_TRUE(requests.HttpExecute(base + "AxInsert?XMLC_OutputFormat=XML&SQLExecute=" + statement,
                                     temp.filePath("XmlAXSQLVO.xml")));
    const QString id = child(file("XmlAXSQLVO.xml"), "OutParams", "NewID");
    ASSERT_FALSE(id.isEmpty());
    host.client = id;
    ASSERT_TRUE(requests.HttpExecute(base + "AxInfoCL?XMLC_OutputFormat=XML&UserID=1000003", temp.filePath("XmlCL.xml")));
    const server::TXml record = file("XmlCL.xml");
    EXPECT_EQ(child(record, "TVC", "CliNom"), QStringLiteral("L'ÉCURIE &amp; \"Cie\" + fils"));
    EXPECT_EQ(child(record, "TVC", "CliObservations"), "ligne 1&cr;ligne 2");
    EXPECT_EQ(child(record, "TVC", "DateCreation"), "30/11/2026");

    // The name search of the search panel, "%" sent as "%25" and "'" doubled.
    const QString query = "SELECT -1 AS TypeVO, idClient AS VO_ID, [CliNom], [CliPrenom], Site AS VO_SITE, Concession "
                          "FROM TClients Where (Concession='MER') and ((CliNom like '%25L''ÉCURIE%25')) ORDER BY CliNom, "
                          "CliPreNom, idClient desc";
    host.client.clear();
    ASSERT_TRUE(requests.HttpExecute(base + "AxQuery?XMLC_OutputFormat=XML&SQL=" + query + "&MaxRows=50",
                                     temp.filePath("XmlSInf.xml")));
    const server::TXml found = file("XmlSInf.xml");
    QString rows;
    server::XmlAttr(found, "RowCount", rows);
    EXPECT_EQ(rows, "1");
    EXPECT_EQ(child(found, "AXQuery", "VO_ID"), id);

    // A refused statement reaches the warning line.
    EXPECT_FALSE(requests.HttpExecute(base + "AxUpdate?XMLC_OutputFormat=XML&SQLExecute=Update tClients set CliNom='X'",
                                      temp.filePath("XmlAXSQLVO.xml")));
    EXPECT_TRUE(host.warning.contains("sans condition")) << host.warning.toStdString();
}

TEST_F(ClientRequests, TheClientRetriesWhileTheDatabaseIsBusy) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(m_dbPath.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    // The other writer finishes while the client is between its attempts.
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    const bool ok = requests.HttpExecute(
        base + "AxUpdate?XMLC_OutputFormat=XML&SQLExecute=Update tClients set CliVille='ARRAS' where (idClient=1)",
        temp.filePath("XmlAXSQLVO.xml"));
    release.join();
    sqlite3_close(other);
    EXPECT_TRUE(ok) << host.warning.toStdString();
    EXPECT_EQ(scalar("SELECT CliVille FROM tClients WHERE idClient=1"), "ARRAS");
}

TEST_F(ClientRequests, PhotoTransferFormOfTheClient) {
    const QByteArray big = QByteArray::fromStdString(demo::makeJpeg(640, 480, {200, 200, 0}, 3));
    const QByteArray mini = QByteArray::fromStdString(demo::makeJpeg(120, 90, {200, 200, 0}, 3));
    server::MultipartForm form;
    form.AddField("NFImage", "M0041001-07.jpg");
    form.AddField("XMLC_OutputFormat", "XML");
    form.AddField("SQLExecute", "INSERT INTO [tVO - Liens Images] (idImage, idVO, NumImage, NomImage, DateImage) VALUES "
                                "(:NewID, 41001, 7, 'M0041001-07', '2026-11-30 14:03:07')");
    form.AddField("MAX_FILE_SIZE", "4096000");
    form.AddFile("File", "M0041001-07.jpg", big, "file");
    form.AddField("NFImageMini", "M0041001-07m.jpg");
    form.AddFile("File", "M0041001-07m.jpg", mini, "file");
    ASSERT_TRUE(requests.HttpPost(base + "AxInsert", temp.filePath("XmlAXInsert.xml"), form)) << host.warning.toStdString();
    EXPECT_FALSE(child(file("XmlAXInsert.xml"), "OutParams", "NewID").isEmpty());
    EXPECT_EQ(scalar("SELECT count(*) FROM [tVO - Liens Images] WHERE NomImage='M0041001-07'"), "1");
    auto served = m_http->Get(std::string(kPhotoPath) + "M0041001-07m.jpg");
    ASSERT_TRUE(served);
    EXPECT_EQ(served->body, mini.toStdString());
}

} // namespace
} // namespace webserver::test
