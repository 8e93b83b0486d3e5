#pragma once

#include "layout_spec.h"

#include <span>

namespace kelvaro {

// The About window: its own properties and its three controls.
const WindowSpec& aboutWindow();
std::span<const ControlSpec> aboutControls();

} // namespace kelvaro
