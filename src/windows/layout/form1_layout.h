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
// The result boxes: the minimum, average and maximum bitrate.
inline constexpr const char* kForm1ResultBoxes[] = {"Text12", "Text8", "Text13"};

} // namespace kelvaro
