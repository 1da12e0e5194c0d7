// The 250 ms heartbeat, tick by tick.
#include "WindowFixture.h"
#include "server/Requests.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>

TEST_F(WindowTest, CountersAndCountdownsTickByTick) {
    WriteIni(Parameters({{"BaseHRef", ""}, {"idTVO", "12"}, {"HttpRoot", "root"}, {"URLImages", "img/"}}));
    auto w = Open();
    Tick(*w); // the first load, with nothing to request

    app::FormState& s = w->State;
    int duplicateChecks = 0;
    QList<int> searches;
    w->HttpGetDblInfo = [&] { ++duplicateChecks; };
    w->HttpGetSearchInfo = [&](int extra) { searches << extra; };
    s.TickCount = 0;
    s.IdleSeconds = 5;
    s.DupCheckCountdown = 3;
    s.SearchCountdown = 2;
    s.BlinkOn = true;
    s.BlinkCount = 0;
    w->Shape1->hide();

    // Shape1 toggles whenever BlinkCount mod 3 is 1: ticks 1, 4 and 7.
    const bool shown[] = {true, true, true, false, false, false, true, true};
    for (int tick = 1; tick <= 8; ++tick) {
        SCOPED_TRACE(tick);
        Tick(*w);
        EXPECT_EQ(s.TickCount, tick % 4);
        EXPECT_EQ(s.IdleSeconds, 5 + tick / 4);
        EXPECT_EQ(duplicateChecks, tick >= 3 ? 1 : 0);
        EXPECT_EQ(searches, tick >= 2 ? QList<int>{0} : QList<int>{});
        EXPECT_EQ(!w->Shape1->isHidden(), shown[tick - 1]);
    }
    EXPECT_EQ(w->LbDebugInfo3->text(), "[12]root -  - 12 - img/");
    EXPECT_EQ(s.DupCheckCountdown, 0);
    EXPECT_EQ(s.SearchCountdown, 0);
    EXPECT_EQ(s.StartCount, 9);
}

TEST_F(WindowTest, CountdownEndingDuringARequestWaitsForItsEnd) {
    WriteIni(Parameters());
    auto w = Open();
    Tick(*w);
    server.SetAnswer([](const std::string& target) {
        if (target.find("slow") != std::string::npos)
            std::this_thread::sleep_for(std::chrono::milliseconds(1200));
        return TestServer::DefaultAnswer(target);
    });
    bool inRequest = false;
    int searchesInRequest = 0, searches = 0;
    w->HttpGetSearchInfo = [&](int) {
        ++searches;
        searchesInRequest += inRequest;
    };
    w->State.SearchCountdown = 2;
    w->Timer1->start(); // real ticks while the request waits
    inRequest = true;
    EXPECT_TRUE(w->Http().HttpExecute(server.Base() + "slow?XMLC_OutputFormat=XML", Temp() + "/XmlSInf.xml"));
    inRequest = false;
    EXPECT_EQ(searches, 0);
    EXPECT_EQ(w->State.SearchCountdown, 1);
    QElapsedTimer t;
    t.start();
    while (searches == 0 && t.elapsed() < 3000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(searchesInRequest, 0);
}
