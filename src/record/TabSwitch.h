#pragma once
// Switching tabs: leaving a tab with unsaved changes saves them first, and a tab's content (grid,
// photos, reservation notice) is loaded the first time the tab is shown after a layout.
#include <QObject>
#include <functional>

class QLabel;

namespace app {
class TAxGarvex;
}

namespace record {

class TTabSwitch : public QObject {
public:
    explicit TTabSwitch(app::TAxGarvex& form);

    // The loaders of the sheets of other rooms, and the save that leaving a tab asks for. An
    // unset loader leaves its tab as it is; an unset save lets the tab change.
    std::function<void()> LoadInfoFrevo, LoadInfoCliche, LoadInfoAction, LoadInfoVehicle;
    std::function<bool()> SaveChanges;

    void GetInfoReservation();
    // False keeps the user on the current tab.
    bool TabsChanging();
    void TabsChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    app::TAxGarvex& F;
    QLabel* LbResa[4];
};

} // namespace record
