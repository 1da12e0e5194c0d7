#pragma once
// Change detection: each bound control's change records its field's current value, and its
// page's statement is rebuilt at once, so the Save button always says whether something waits.
class QWidget;

namespace app {
class TAxGarvex;
}

namespace record {

class TRecordLock;

class TChangeTracker {
public:
    TChangeTracker(app::TAxGarvex& form, TRecordLock& lock) : F(form), m_lock(lock) {}

    // Records the text of a bound control as its field's current value (unless the record is
    // locked) and rebuilds the page's statement.
    void EditChange(QWidget* sender);
    // Rebuilds the page's pending statement; Save follows it, New the opposite. True when the
    // page has changes. Nothing happens while a record or grid is being filled.
    bool TestPageUpdate(int page);

private:
    app::TAxGarvex& F;
    TRecordLock& m_lock;
};

} // namespace record
