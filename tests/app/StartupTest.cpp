// Start-up on the real window: the trace switch, idTypeVO, TraceRepTemp, the splash, the first
// load and the reload message.
#include "WindowFixture.h"

#include <QLabel>
#include <QRegularExpression>

using app::TAxGarvex;

TEST_F(WindowTest, TraceSwitchValues) {
    const struct {
        QString value;
        bool on;
    } cases[] = {{"1", true}, {"2", true}, {"0", false}, {"", false}, {"abc", false}, {" 1", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        QFile::remove(Temp() + "/TAXGarvex.log");
        WriteIni(Parameters({{"Trace", c.value}}));
        auto w = Open();
        EXPECT_EQ(w->State.Trace.TraceOn, c.on);
        EXPECT_EQ(QFile::exists(Temp() + "/TAXGarvex.log"), c.on);
    }
}

TEST_F(WindowTest, SettersTraceTheParameterNamesInOrder) {
    WriteIni(Parameters({{"Trace", "1"}}));
    auto w = Open();
    EXPECT_EQ(w->State.ParamCount, 12);
    Tick(*w);
    const QStringList lines = TraceLines(Temp());
    // The first call creates the log and its message is lost.
    const QStringList expected = {"basehref",    "idtvo",       "ocxname",        "ocxversion",
                                  "urlimages",   "iduser",      "userconcession", "usersite",
                                  "whereclause", "orderclause", "idClient",       "on TimerOK : "};
    ASSERT_GE(lines.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], "25/12/2009 14:03:22 - " + expected[i]);
}

TEST_F(WindowTest, IdTypeVO) {
    const struct {
        QString value;
        bool read;
        int idTypeVO;
    } cases[] = {{"", true, 0}, {"3", true, 3}, {"-1", false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        dialogs.shown.clear();
        const int requestsBefore = server.Count("AxInfoVO");
        WriteIni(Parameters({{"idTypeVO", c.value}}));
        auto w = Open();
        EXPECT_EQ(w->State.idTypeVO, c.idTypeVO);
        Tick(*w, 3);
        if (c.read) {
            EXPECT_EQ(w->State.ParamCount, 12);
            EXPECT_TRUE(dialogs.shown.empty());
            EXPECT_EQ(server.Count("AxInfoVO"), requestsBefore + 1);
            continue;
        }
        // A conversion error ends OnStart: no parameter is read and the first load never runs.
        EXPECT_EQ(w->State.ParamCount, 0);
        EXPECT_TRUE(w->State.BaseHRef.isEmpty());
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, "'0-1' n'est pas une valeur entière correcte");
        EXPECT_EQ(dialogs.shown[0].icon, platform::MsgIcon::Error);
        EXPECT_TRUE(w->WarningLine().contains("idTypeVO"));
        EXPECT_EQ(server.Count("AxInfoVO"), requestsBefore);
    }
}

TEST_F(WindowTest, TraceRepTempTakesResponsesAndLog) {
    const QString rep = dir.filePath("rep");
    QDir().mkpath(rep);
    WriteIni(Parameters({{"Trace", "1"}, {"TraceRepTemp", rep}}));
    auto w = Open();
    Tick(*w);
    EXPECT_EQ(w->TempDir(), rep);
    EXPECT_TRUE(QFile::exists(rep + "/XmlVO.xml"));
    EXPECT_TRUE(QFile::exists(rep + "/XmlStruct.xml"));
    EXPECT_TRUE(TraceLines(rep).join('\n').contains("HttpExecute : " + server.Base() + "AxInfoVO"));
    EXPECT_FALSE(QFile::exists(Temp() + "/XmlVO.xml"));
    EXPECT_FALSE(QFile::exists(Temp() + "/TAXGarvex.log"));
}

TEST_F(WindowTest, SplashUntilTheRecordIsLoaded) {
    const struct {
        QString concession;
        bool logo;
    } cases[] = {{"MERISCA", true}, {"Merisca", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.concession.toStdString());
        WriteIni(Parameters({{"UserConcession", c.concession}}));
        auto w = Open();
        EXPECT_TRUE(w->PanelSplash->isVisibleTo(w.get()));
        EXPECT_EQ(w->LbSplash->text(), "Garvex - Version 1,0,0");
        EXPECT_EQ(w->ImageSplash->isVisibleTo(w->PanelSplash), c.logo);
        EXPECT_EQ(w->LbConcession->isVisibleTo(w->PanelSplash), !c.logo);
        if (!c.logo) {
            EXPECT_EQ(w->LbConcession->text(), c.concession);
        }
        EXPECT_EQ(dialogs.CurrentCursor(), platform::Cursor::Hourglass);
        Tick(*w);
        EXPECT_FALSE(w->PanelSplash->isVisibleTo(w.get()));
        EXPECT_EQ(dialogs.CurrentCursor(), platform::Cursor::Default);
    }
}

TEST_F(WindowTest, FirstLoadRunsOnceAndTheReloadRereadsTheIni) {
    WriteIni(Parameters({{"Trace", "1"}}));
    auto w = Open();
    Tick(*w, 3);
    EXPECT_EQ(server.Count("AxInfoVO"), 1);
    EXPECT_EQ(server.Count("AxInfoStruct"), 1);
    EXPECT_TRUE(server.Targets().back().find("idTVO=12&UserID=1000042&idClient=") != std::string::npos);

    WriteIni(Parameters({{"Trace", "1"}, {"idTVO", "77"}}));
    w->OnMsgActualize();
    EXPECT_EQ(w->State.ParamCount, 24);
    EXPECT_EQ(w->LbIdTVO->text(), "77");
    EXPECT_EQ(server.Count("AxInfoVO?XMLC_OutputFormat=XML&idTVO=77&"), 1);
    Tick(*w, 12);
    EXPECT_EQ(server.Count("AxInfoVO"), 2);
    // The reference documents are fresh: the reload does not fetch them again.
    EXPECT_EQ(server.Count("AxInfoStruct"), 1);
    EXPECT_EQ(TraceLines(Temp()).filter(" - on TimerOK : ").size(), 1);
    EXPECT_EQ(TraceLines(Temp()).filter(QRegularExpression(" - httproot$")).size(), 1);
}
