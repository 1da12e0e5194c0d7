#include "RecordLock.h"

#include "app/AxGarvex.h"
#include "platform/DelphiDate.h"

namespace record {

QString LockMessage(const RecordState& s) {
    if (s.LockByDate)
        return QStringLiteral("Enregistrement verrouillé, Date Livraison antérieure au ") +
               platform::DateToStr(s.LimiteDateVerrouVNVO);
    return QStringLiteral("Enregistrement verrouillé");
}

bool TRecordLock::GoTestVerrou() {
    if (F.State.RecordEditable) return true;
    // It stays on the red band until the next request rewrites the warning line.
    F.SetWarningLine(LockMessage(F.State));
    return false;
}

void TRecordLock::GoOnKeyDown(QWidget*, int& key) {
    if (!GoTestVerrou()) key = 0;
}

void TRecordLock::GoOnKeyPress(QWidget*, QChar& key) {
    if (!GoTestVerrou()) key = QChar();
}

} // namespace record
