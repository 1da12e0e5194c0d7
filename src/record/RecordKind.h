#pragma once
// Which kind of record is on screen, and whether it is new.
#include <QString>

namespace record {

struct KindChoice {
    QString RecordKind;   // "_TVO", "_TVD", "_TVN" or "_TCL"
    QString RecordTable;  // "tVO" or "TVC"
    QString RecordTypeVO; // the section's TypeVO, defaulted for a new vehicle; empty for a customer
};

// typeVO and statutVD are the record section's children (empty when missing).
KindChoice ChooseRecordKind(const QString& idClient, const QString& typeVO, const QString& statutVD,
                            int idTypeVO);

// An identifier read as an integer (0 when it is none) that is 0 or less.
bool IsNewRecordId(const QString& id);

} // namespace record
