#pragma once
// Which kind of record is on screen, and whether it is new.
#include "server/TagReader.h"

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

// The vehicle identifier of a record section: its idtVO, or its idVO when it has no idtVO.
QString RecordIdOf(const server::TXml& section);

// An identifier read as an integer (0 when it is none) that is 0 or less.
bool IsNewRecordId(const QString& id);

// The requests of a vehicle record and of the customer record (whose identifier the request layer
// adds), as the load and the reload send them.
QString InfoVOAddress(const QString& baseHRef, const QString& idTVO, const QString& idUser);
QString InfoCLAddress(const QString& baseHRef, const QString& idUser);

} // namespace record
