#pragma once
// The record lock: whether the record on screen may be edited, and the guard every key and change
// handler of a bound control passes before it accepts input. The layout pass computes the flags.
#include <QString>

class QChar;
class QWidget;

namespace app {
class TAxGarvex;
}

namespace record {

struct RecordState;

// The status-line text of a locked record: the delivery-date lock names its limit.
QString LockMessage(const RecordState& state);

class TRecordLock {
public:
    explicit TRecordLock(app::TAxGarvex& form) : F(form) {}

    // True when the record may be edited; otherwise the lock message goes to the warning line.
    bool GoTestVerrou();
    // In a locked record the key (or character) becomes 0: the control ignores it.
    void GoOnKeyDown(QWidget* sender, int& key);
    void GoOnKeyPress(QWidget* sender, QChar& key);

private:
    app::TAxGarvex& F;
};

} // namespace record
