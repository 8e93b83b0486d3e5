#pragma once

#include "layout/layout_table.h"

#include <span>

namespace kelvaro {

// The main window: its own properties and every control with its start values.
const WindowLayout& form1Window();
std::span<const ControlLayout> form1Controls();

} // namespace kelvaro
