#pragma once

#include "layout/layout_table.h"

#include <span>
#include <vector>

namespace kelvaro {

// The main window: its own properties and every control with its start values.
const WindowLayout& form1Window();
std::span<const ControlLayout> form1Controls();
// The working fields: the layout puts them below the client area.
std::vector<const char*> form1WorkingFields();

} // namespace kelvaro
