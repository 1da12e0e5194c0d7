#pragma once
// Group rights: does the user hold one of the groups of a ";"-enclosed list?
#include "record/RecordState.h"
#include "server/TagReader.h"

namespace record {

// False outside the record's scope; otherwise true when one GName of the record XML, upper-cased,
// without any "USER_" and enclosed in ";", occurs in the list. The record cursor is not moved.
bool GetDataRights(const server::TXml& XmlRecord, bool RecordInScope, const QString& groups);

// The right on one field: its group list, and on page 8 a vehicle to show.
bool FieldRight(const RecordState& state, int page, const QString& RightsTag);

} // namespace record
