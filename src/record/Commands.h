#pragma once
// The commands above the tab pages, which act on the record as a whole: reload, save, new record,
// delete and the sweep of cancelled orders; and SaveChanges, which every command, tab change and
// grid that must not leave unsaved work behind calls first.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace app {
class TAxGarvex;
}

namespace record {

class TChangeTracker;
class TLayout;
class TTabSwitch;

class TRecordCommands : public QObject {
public:
    TRecordCommands(app::TAxGarvex& form, TChangeTracker& changes, TLayout& layout, TTabSwitch& tabSwitch);

    // What the grids add to a save and to a new record; an unset member is skipped (its grid
    // then sets no statements).
    enum class ActionStep { None, Sent, Stopped };
    struct GridSteps {
        // Rebuilds a cost row's statement after it was sent.
        std::function<void(int line)> TestFrevoUpdate;
        // With a new action row: false when one of its mandatory cells is empty (it is then selected).
        std::function<bool()> CheckNewAction;
        // Sends the first pending action row; Stopped when a mandatory cell is missing.
        std::function<ActionStep()> ActionSaveStep;
        // A new customer starts with empty action and vehicle grids.
        std::function<void()> EmptyCustomerGrids;
    };
    GridSteps Grids;

    // True when the caller may go on: nothing to send, or the last request succeeded. A missing
    // mandatory field answers whether the record is new, with the focus in that field.
    bool SaveChanges();

    void JvXPBtnActualizeClick();
    void JvXPBtnSaveClick();
    void JvXPBtnNewVOClick();
    void JvXPBtnSupprClick();
    void JvXPBtnSweepClick();

    // The record's idVO (tVO section) or idClient (TVC section); empty when missing, which with
    // `warn` says so in a message box. Both leave XmlRecord on that section.
    QString GetIdVO(bool warn);
    QString GetIdClient(bool warn);

private:
    // Sends a statement to AxInsert or AxUpdate; true when the warning line stays empty.
    bool execute(bool insert, const QString& statement, const char* file);
    QWidget* control(int sheet, const char* name) const;
    void focus(QWidget* control);
    // True (with the focus in it) when the control shows no text.
    bool missing(QWidget* control);
    bool checkVehicle();
    // The save's result when a customer field is missing, none when the checks pass.
    std::optional<bool> checkCustomer();
    int vehicleRows() const;
    // Each true when its request was sent, whatever its outcome.
    bool sendCostRow();
    bool sendPage();
    void sendFixedCosts();
    void startNewRecord();
    void presetSite();
    // Sends the statements in order, stopping at the first that fails; true when all succeeded.
    bool deleteAll(const QStringList& statements);

    app::TAxGarvex& F;
    TChangeTracker& m_changes;
    TLayout& m_layout;
    TTabSwitch& m_tabSwitch;
    bool m_hourglass = false; // the save shows the hourglass from its first request on
};

} // namespace record
