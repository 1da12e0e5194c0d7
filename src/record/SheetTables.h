#pragma once
// The design-time controls of the record sheets and of the record buttons beside the window's
// command buttons. Controls are named prefix + field name, so that the descriptors bind to them.
#include "platform/FormBuilder.h"

#include <span>

namespace record {

// Sheet index 0 is Sheet01. Sheets owned by other rooms have an empty table here.
std::span<const platform::ControlRow> SheetTable(int sheetIndex);
// Built into the window's client area, beside its command buttons.
std::span<const platform::ControlRow> RecordButtonsTable();

} // namespace record
