#pragma once

#include "layout/layout_table.h"

#include <span>

namespace kelvaro {

// The About window: its own properties and its three controls.
const WindowLayout& aboutWindow();
std::span<const ControlLayout> aboutControls();

} // namespace kelvaro
