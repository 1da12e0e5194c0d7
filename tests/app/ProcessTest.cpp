// The built program as a user starts it: one instance, and the reload message.
#include "TestServer.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProcessTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TestServer server;

    QString Ini() const { return dir.filePath("appdata/Garvex/TAXGarvex.ini"); }
    QString Log() const { return dir.filePath("temp/TAXGarvex.log"); }

    void SetUp() override {
        QDir().mkpath(dir.filePath("appdata/Garvex"));
        QDir().mkpath(dir.filePath("temp"));
        platform::IniFile ini(Ini());
        for (const auto& [key, value] : {std::pair<QString, QString>{"BaseHRef", server.Base()},
                                         {"idTVO", "12"},
                                         {"idUser", "1000042"},
                                         {"UserConcession", "MERISCA"},
                                         {"Trace", "1"}})
            ASSERT_TRUE(ini.WriteString(u"Options", key, value));
    }

    std::unique_ptr<QProcess> Start(const QStringList& args = {}) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("APPDATA", dir.filePath("appdata"));
        env.insert("TEMP", dir.filePath("temp"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.remove("http_proxy");
        env.remove("HTTP_PROXY");
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(GARVEX_BIN, args);
        EXPECT_TRUE(p->waitForStarted(5000));
        return p;
    }
    static void Stop(QProcess& p) {
        p.terminate();
        if (!p.waitForFinished(5000)) p.kill();
    }
    QStringList LogLines() const {
        QFile f(Log());
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).split("\r\n") : QStringList();
    }
};

} // namespace

TEST_F(ProcessTest, SecondStartEndsAtOnceAndTheFirstRunsOn) {
    auto first = Start();
    ASSERT_TRUE(server.WaitFor("AxInfoVO", 1, 15000));
    EXPECT_EQ(platform::IniFile(Ini()).ReadString(u"Options", u"FirstApplicationHandle").toLongLong(),
              first->processId());
    EXPECT_NE(platform::IniFile(Ini()).ReadString(u"Options", u"FirstFormHandle"), "");

    auto second = Start();
    ASSERT_TRUE(second->waitForFinished(5000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    // The second start neither loaded anything nor took the first one's place.
    EXPECT_EQ(server.Count("AxInfoVO"), 1);
    EXPECT_EQ(platform::IniFile(Ini()).ReadString(u"Options", u"FirstApplicationHandle").toLongLong(),
              first->processId());
    Stop(*first);
}

TEST_F(ProcessTest, ActualizeMakesTheRunningWindowRereadAndReload) {
    auto first = Start();
    ASSERT_TRUE(server.WaitFor("AxInfoVO", 1, 15000));
    ASSERT_TRUE(platform::IniFile(Ini()).WriteString(u"Options", u"idTVO", "77"));

    auto sender = Start({"--actualize"});
    ASSERT_TRUE(sender->waitForFinished(5000));
    EXPECT_EQ(sender->exitCode(), 0);
    ASSERT_TRUE(server.WaitFor("AxInfoVO?XMLC_OutputFormat=XML&idTVO=77&", 1, 10000));
    // Start-up lost its first trace line, "httproot", to the creation of the log: only the
    // reload wrote it.
    EXPECT_EQ(LogLines().filter(QRegularExpression(" - httproot$")).size(), 1);
    EXPECT_EQ(LogLines().filter(QRegularExpression(" - idtvo$")).size(), 2);
    EXPECT_EQ(first->state(), QProcess::Running);
    Stop(*first);
}

TEST_F(ProcessTest, ActualizeWithoutARunningWindowSaysSo) {
    auto sender = Start({"--actualize"});
    ASSERT_TRUE(sender->waitForFinished(5000));
    EXPECT_EQ(sender->exitCode(), 1);
    EXPECT_EQ(server.Count("AxInfo"), 0);
}
