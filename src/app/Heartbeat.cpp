// The 250 ms heartbeat that drives all deferred work.
#include "AxGarvex.h"

#include <QLabel>

namespace app {

void TAxGarvex::Timer1Timer() {
    FormState& s = State;
    if (++s.TickCount == 4) {
        s.TickCount = 0;
        ++s.IdleSeconds;
    }
    // Inside a request's event pump, work that sends requests of its own waits for a later tick.
    const bool inRequest = m_pumpDepth > 0;
    const auto countDown = [inRequest](int& countdown, const std::function<void()>& run) {
        if (countdown == 0 || (countdown == 1 && inRequest)) return;
        if (--countdown == 0 && run) run();
    };
    countDown(s.DupCheckCountdown, HttpGetDblInfo);
    countDown(s.SearchCountdown, [this] {
        if (HttpGetSearchInfo) HttpGetSearchInfo(0);
    });
    if (s.BlinkOn && ++s.BlinkCount % 3 == 1) Shape1->setHidden(!Shape1->isHidden());
    LbDebugInfo3->setText(u'[' + QString::number(s.ParamCount) + u']' + s.HttpRoot + QStringLiteral(" - ") +
                          s.BaseHRef + QStringLiteral(" - ") + s.idTVO + QStringLiteral(" - ") + s.URLImages);
    if (inRequest) return;
    if (s.ParamCount > 11 && ++s.StartCount == 1) FirstLoad();
    if (m_actualizePending) OnMsgActualize();
}

} // namespace app
