#pragma once
// Application-wide hints: the short part of a control's hint as a tooltip that shows after the
// pointer has rested 500 ms and hides after 3000 ms, and the long part handed to the
// application's hint event whenever the pointer enters a control that has a hint.
#include <QObject>
#include <functional>

class QStyle;

namespace platform {

inline constexpr int HintShowPause = 500;
inline constexpr int HintHidePause = 3000;

class HintFilter : public QObject {
public:
    using HintEvent = std::function<void(const QString& longHint)>;
    // Installs itself on the running application.
    explicit HintFilter(HintEvent onHint, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HintEvent m_onHint;
};

// Fusion, with the hint pause above: the one look of the program everywhere.
QStyle* CreateAppStyle();

} // namespace platform
