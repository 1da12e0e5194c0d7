#pragma once
// The value a field shows when a record is laid out.
#include "record/RecordModel.h"
#include "server/TagReader.h"

namespace record {

// The default in a new record, else the cursor item's child named by the descriptor, made ready
// for its control: edit texts decoded, "now" dates, integers and amounts without blanks, amounts
// as "0.00". Sets OrigValue (empty for a new record) and CurValue.
void LoadFieldValue(TsDesc& desc, const server::TXml& valueCursor, bool isNew);

// "&amp;", "&lt;", "&gt;", "&cr;" decoded, in that order.
QString DecodeEditText(QString text);

} // namespace record
