#pragma once

namespace kelvaro {

// Whether Qt can open a window here: a platform other than X11 or Wayland is
// named in QT_QPA_PLATFORM, WAYLAND_DISPLAY is set, or DISPLAY names an X
// server (a local one must have its socket).
bool displayAvailable();

} // namespace kelvaro
