#pragma once
// The main window's design-time controls. Each room adds the controls of its sheets in a table
// of its own, built into the sheet by platform::BuildControls.
#include "platform/FormBuilder.h"

#include <span>

namespace app {

// The window's client area at its normal height; the status strip lies below it.
inline constexpr int FormWidth = 1000;
inline constexpr int FormHeight = 656;

std::span<const platform::ControlRow> MainFormTable();

} // namespace app
