#include "server/Requests.h"

#include "platform/DelphiDate.h"
#include "platform/Win1252.h"
#include "server/TagReader.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <httplib.h>
#include <mutex>
#include <thread>

using namespace server;
using namespace std::literals;

namespace {

struct TestHost : RequestHost {
    QString warning = "not set";
    QStringList traces;
    int idle = 0;
    bool ctrl = false;
    QString client;
    QString temp;
    int pumps = 0;

    void SetWarningLine(const QString& text) override { warning = text; }
    QString WarningLine() const override { return warning; }
    void WriteTrace(const QString& message) override { traces << message; }
    int& IdleSeconds() override { return idle; }
    bool CtrlHeld() const override { return ctrl; }
    void ProcessEvents() override { ++pumps; }
    QString idClient() const override { return client; }
    QString TempDir() const override { return temp; }
};

// A real HTTP server on an ephemeral loopback port, answering what each test tells it.
class RequestsTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.temp = dir.path();
        port = http.bind_to_any_port("127.0.0.1");
        ASSERT_GT(port, 0);
        thread = std::thread([this] { http.listen_after_bind(); });
        while (!http.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        http.Get("/Ax.*", [this](const httplib::Request& req, httplib::Response& res) {
            std::lock_guard lock(mutex);
            targets.push_back(req.target);
            times.push_back(clock.elapsed());
            res.set_content(answers[std::min(targets.size(), answers.size()) - 1], "text/xml");
        });
    }
    void TearDown() override {
        requests.DropConnection(); // the server waits for open keep-alive connections
        http.stop();
        thread.join();
        platform::SetClock({});
    }

    QString base() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port); }
    QString file(const char* name) const { return dir.filePath(name); }
    QByteArray read(const char* name) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void write(const char* name, const QByteArray& bytes) const {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The catch-all route answers these in turn (the last one from then on).
    void answerInTurn(std::vector<std::string> texts) {
        std::lock_guard lock(mutex);
        answers = std::move(texts);
        targets.clear();
    }

    QTemporaryDir dir;
    TestHost host;
    Requests requests{host};
    httplib::Server http;
    std::thread thread;
    int port = 0;
    std::mutex mutex;
    std::vector<std::string> answers{"<doc/>"}, targets, cookies;
    std::vector<qint64> times;
    QElapsedTimer clock;
};

} // namespace

TEST_F(RequestsTest, SendsTheAddressAsComposedWithBlanksHashesAndBackslashesMended) {
    requests.HttpExecute(base() + QString::fromUtf8("AxQuery?XMLC_OutputFormat=XML&SQL=select * from T where "
                                                    "A='x y' and D=#12/31/2009# and P='a\\b' and N='%22é?\n'"),
                         file("XmlSInf.xml"));
    EXPECT_EQ(host.warning, "");
    host.client = "42";
    requests.HttpExecute(base() + "AxInfoCL?XMLC_OutputFormat=XML&UserID=7", file("XmlCL.xml"));
    ASSERT_EQ(targets.size(), 2u);
    EXPECT_EQ(targets[0], "/AxQuery?XMLC_OutputFormat=XML&SQL=select%20*%20from%20T%20where%20A='x%20y'%20and%20"
                          "D=%2312/31/2009%23%20and%20P='a/b'%20and%20N='%22\xE9%3F%0A'&idClient=");
    EXPECT_EQ(targets[1], "/AxInfoCL?XMLC_OutputFormat=XML&UserID=7&idClient=42");
    EXPECT_TRUE(host.traces.contains("HttpExecute : " + base() + "AxInfoCL?XMLC_OutputFormat=XML&UserID=7"
                                                                 "&idClient=42 -> " + file("XmlCL.xml")));
}

TEST_F(RequestsTest, ACleanAnswerIsWrittenAndClearsTheWarningLine) {
    answerInTurn({"<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?><doc><a>\xE9\x80</a></doc>"});
    host.idle = 17;
    EXPECT_TRUE(requests.HttpExecute(base() + "AxInfoVO?XMLC_OutputFormat=XML", file("XmlVO.xml")));
    EXPECT_EQ(host.warning, "");
    EXPECT_EQ(host.idle, 0);
    EXPECT_EQ(read("XmlVO.xml"), "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><doc><a>\xE9\x80</a></doc>");
    EXPECT_GT(host.pumps, 0); // the window stayed alive while waiting
}

TEST_F(RequestsTest, MarkedAnswersAreAskedAgainUpToFiveTimes) {
    clock.start();
    answerInTurn({"<r>wait_timeout</r>", "<r>ok</r>"});
    EXPECT_TRUE(requests.HttpExecute(base() + "AxQuery?XMLC_OutputFormat=XML", file("XmlSInf.xml")));
    ASSERT_EQ(targets.size(), 2u);
    EXPECT_GE(times[1] - times[0], 240);
    EXPECT_EQ(read("XmlSInf.xml"), "<r>ok</r>");
    EXPECT_EQ(host.warning, "");

    answerInTurn({"<r n=\"1\"><![CDATA[TIMEOUT]]></r>", "<r n=\"2\"><![CDATA[TIMEOUT]]></r>",
                  "<r n=\"3\"><![CDATA[TIMEOUT]]></r>", "<r n=\"4\"><![CDATA[TIMEOUT]]></r>",
                  "<r n=\"5\"><![CDATA[TIMEOUT]]></r>"});
    EXPECT_FALSE(requests.HttpExecute(base() + "AxQuery?XMLC_OutputFormat=XML", file("XmlSInf.xml")));
    EXPECT_EQ(targets.size(), 5u);
    EXPECT_EQ(read("XmlSInf.xml"), "<r n=\"5\"><![CDATA[TIMEOUT]]></r>");
    EXPECT_EQ(host.warning, "<r n=\"5\"><![CDATA[TIMEOUT]]></r>");
}

TEST_F(RequestsTest, OnlyTheTimeoutMarkersCountAsMarkers) {
    const struct {
        const char* answer;
        size_t attempts;
    } cases[] = {{"<r>TIMEOUT</r>", 1},
                 {"<r><![CDATA[timeout]]></r>", 5},
                 {"<r>Wait_TimeOut</r>", 5},
                 {"<r>Ras</r>", 1}};
    for (const auto& c : cases) {
        answerInTurn({c.answer});
        requests.HttpExecute(base() + "AxQuery?XMLC_OutputFormat=XML", file("XmlSInf.xml"));
        EXPECT_EQ(targets.size(), c.attempts) << c.answer;
    }
}

TEST_F(RequestsTest, AFifthAnswerThatIsCleanIsASuccess) {
    answerInTurn({"WAIT_TIMEOUT", "WAIT_TIMEOUT", "WAIT_TIMEOUT", "WAIT_TIMEOUT", "<r>ok</r>"});
    EXPECT_TRUE(requests.HttpExecute(base() + "AxQuery?XMLC_OutputFormat=XML", file("XmlSInf.xml")));
    EXPECT_EQ(targets.size(), 5u);
    EXPECT_EQ(host.warning, "");
}

TEST_F(RequestsTest, LogItemsGoToTheWarningLineUntilTheNextCleanAnswer) {
    answerInTurn({"<doc><LogItems><LogItem>A</LogItem><LogItem>B</LogItem></LogItems></doc>", "<doc/>"});
    EXPECT_FALSE(requests.HttpExecute(base() + "AxUpdate?XMLC_OutputFormat=XML", file("XmlAXUpdate.xml")));
    EXPECT_EQ(host.warning, "A - B - ");
    EXPECT_TRUE(requests.HttpExecute(base() + "AxUpdate?XMLC_OutputFormat=XML", file("XmlAXUpdate.xml")));
    EXPECT_EQ(host.warning, "");
}

TEST_F(RequestsTest, AFailedExchangeKeepsTheOldFileAndSaysWhy) {
    write("XmlVO.xml", "<old/>");
    http.Get("/slow", [](const httplib::Request&, httplib::Response& res) {
        std::this_thread::sleep_for(std::chrono::milliseconds(6000));
        res.set_content("<late/>", "text/xml");
    });
    // A server that goes away in the middle of its answer.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&addr), len), 0);
    ::listen(listener, 1);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &len);
    std::thread cutter([listener] {
        const int c = ::accept(listener, nullptr, nullptr);
        char request[4096];
        [[maybe_unused]] auto n = ::recv(c, request, sizeof request, 0);
        const char head[] = "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n<doc><a>";
        n = ::send(c, head, sizeof head - 1, 0);
        ::close(c);
        ::close(listener);
    });
    http.Get("/missing", [](const httplib::Request&, httplib::Response& res) { res.status = 404; });

    // A port nobody listens on any more.
    const int gone = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in deadAddr = addr;
    deadAddr.sin_port = 0;
    socklen_t deadLen = sizeof deadAddr;
    ASSERT_EQ(::bind(gone, reinterpret_cast<sockaddr*>(&deadAddr), deadLen), 0);
    ::getsockname(gone, reinterpret_cast<sockaddr*>(&deadAddr), &deadLen);
    ::close(gone);
    const int deadPort = ntohs(deadAddr.sin_port);

    const struct {
        QString address;
        const char* says;
    } cases[] = {
        {base() + "slow?x=1", "Délai de lecture dépassé"},
        {QStringLiteral("http://127.0.0.1:%1/AxInfoVO?x=1").arg(ntohs(addr.sin_port)), "interrompue"},
        {base() + "missing?x=1", "Erreur HTTP 404"},
        {QStringLiteral("http://127.0.0.1:%1/AxInfoVO?x=1").arg(deadPort), "Connexion au serveur impossible"},
    };
    for (const auto& c : cases) {
        host.traces.clear();
        EXPECT_FALSE(requests.HttpExecute(c.address, file("XmlVO.xml")));
        EXPECT_TRUE(host.warning.startsWith("Exception : ")) << host.warning.toStdString();
        EXPECT_TRUE(host.warning.contains(QString::fromUtf8(c.says))) << host.warning.toStdString() << c.address.toStdString();
        EXPECT_EQ(host.traces.last(), "HttpExecute Exception : " + host.warning.mid(12)) << c.says;
        EXPECT_EQ(read("XmlVO.xml"), "<old/>");
    }
    cutter.join();
}

TEST_F(RequestsTest, ALargeOrBinaryAnswerIsStoredWhole) {
    std::string big(50 * 1024 * 1024, 'x');
    for (size_t i = 0; i < big.size(); i += 4096) big[i] = static_cast<char>(i % 256);
    const std::string binary = "\x00\xFF<LogItems><LogItem>\x01\x80</LogItem>"s;
    answerInTurn({big, binary});
    requests.HttpExecute(base() + "AxQuery?XMLC_OutputFormat=XML", file("XmlSInf.xml"));
    EXPECT_EQ(read("XmlSInf.xml").size(), static_cast<qsizetype>(big.size()));
    requests.HttpExecute(base() + "AxQuery?XMLC_OutputFormat=XML", file("XmlSInf.xml"));
    EXPECT_EQ(read("XmlSInf.xml"), QByteArray(binary.data(), static_cast<qsizetype>(binary.size())));
    EXPECT_EQ(host.warning, ""); // the reader stops at the first NUL
}

TEST_F(RequestsTest, AnUnwritableResponseFileIsAFailure) {
    answerInTurn({"<doc/>"});
    EXPECT_FALSE(requests.HttpExecute(base() + "AxQuery?x=1", dir.filePath("no/such/dir/XmlSInf.xml")));
    EXPECT_TRUE(host.warning.contains(QString::fromUtf8("Impossible d'écrire")));
}

TEST_F(RequestsTest, CookiesOutliveTheConnectionDroppedAfterFiveIdleMinutes) {
    std::vector<int> clientPorts;
    http.Get("/login", [&](const httplib::Request& req, httplib::Response& res) {
        std::lock_guard lock(mutex);
        cookies.push_back(req.get_header_value("Cookie"));
        clientPorts.push_back(req.remote_port);
        res.set_header("Set-Cookie", "session=abc; Path=/");
        res.set_content("<doc/>", "text/xml");
    });
    for (const int idle : {0, 300, 301}) {
        host.idle = idle;
        requests.HttpExecute(base() + "login?x=1", file("XmlVO.xml"));
    }
    EXPECT_EQ(cookies, (std::vector<std::string>{"", "session=abc", "session=abc"}));
    ASSERT_EQ(clientPorts.size(), 3u);
    EXPECT_EQ(clientPorts[1], clientPorts[0]); // the connection was kept
    EXPECT_NE(clientPorts[2], clientPorts[1]); // and dropped after more than 300 s
}

TEST_F(RequestsTest, PostsAMultipartForm) {
    std::string seen;
    http.Post("/AxInsert", [&](const httplib::Request& req, httplib::Response& res) {
        std::lock_guard lock(mutex);
        for (const auto& [name, f] : req.files)
            seen += name + "=" + f.filename + "[" + f.content_type + "]" + std::to_string(f.content.size()) + ";";
        seen += req.get_file_value("SQLExecute").content;
        res.set_content("<doc><OutParams><NewID>12</NewID></OutParams></doc>", "text/xml");
    });
    MultipartForm form;
    form.AddField("SQLExecute", QString::fromUtf8("Insert é"));
    form.AddFile("Photo", "a.jpg", QByteArray(3000, '\xFF'));
    EXPECT_TRUE(requests.HttpPost(base() + "AxInsert", file("XmlAXInsert.xml"), form));
    EXPECT_EQ(seen, "Photo=a.jpg[image/jpeg]3000;SQLExecute=[]8;Insert \xE9");
    EXPECT_EQ(read("XmlAXInsert.xml"), "<doc><OutParams><NewID>12</NewID></OutParams></doc>");

    requests.DropConnection();
    http.stop();
    thread.join();
    thread = std::thread([] {});
    EXPECT_FALSE(requests.HttpPost(base() + "AxInsert", file("XmlAXInsert.xml"), form));
    EXPECT_EQ(read("XmlAXInsert.xml"), " - Erreur de transfert sur le serveur ");
    EXPECT_TRUE(host.warning.startsWith("Exception : Connexion au serveur impossible"));
}

TEST_F(RequestsTest, TheReferenceFilesAreKeptForTwelveHours) {
    platform::SetClock([] { return QDateTime(QDate(2026, 12, 11), QTime(12, 0)); });
    answerInTurn({"<doc><Concession>NEW</Concession></doc>"});
    const struct {
        int hoursOld;
        bool ctrl;
        size_t requests;
    } cases[] = {{11, false, 0}, {13, false, 1}, {11, true, 1}};
    for (const auto& c : cases) {
        targets.clear();
        write("XmlStruct.xml", "<old/>");
        QFile f(file("XmlStruct.xml"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime(QDate(2026, 12, 11), QTime(12, 0)).addSecs(-3600 * c.hoursOld),
                      QFileDevice::FileModificationTime);
        f.close();
        host.ctrl = c.ctrl;
        requests.HttpGetCached(base() + "AxInfoStruct?x=1", file("XmlStruct.xml"));
        EXPECT_EQ(targets.size(), c.requests) << c.hoursOld << c.ctrl;
    }
}

TEST_F(RequestsTest, UpdateParamsDropsAnotherDealershipsLists) {
    answerInTurn({"<document><Concession>GARV</Concession></document>"});
    write("XmlEquip.xml", "<document><Concession>OTHER</Concession></document>");
    write("XmlStruct.xml", "<fresh/>");
    requests.UpdateParams(base(), "GARV");
    ASSERT_EQ(targets.size(), 1u);
    EXPECT_EQ(targets[0], "/AxInfoEquip?XMLC_OutputFormat=XML&UserConcession=GARV&WHERE_CLAUSE=Where%20"
                          "(RubricItem='..')%20or%20(RubricItem='GARV')&idClient=");
    EXPECT_EQ(read("XmlEquip.xml"), "<document><Concession>GARV</Concession></document>");

    requests.UpdateParams(base(), "GARV"); // both files fresh and ours: nothing asked
    EXPECT_EQ(targets.size(), 1u);
    requests.UpdateParams("", "OTHER");
    EXPECT_EQ(targets.size(), 1u);
}
