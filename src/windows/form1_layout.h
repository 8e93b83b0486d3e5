#pragma once

#include "layout_spec.h"

#include <span>

namespace kelvaro {

// The main window: its own properties and every control with its start values.
const WindowSpec& form1Window();
std::span<const ControlSpec> form1Controls();

} // namespace kelvaro
