#pragma once

#include <string>

namespace kelvaro {

// The platform and X display named on the command line; each, when given,
// takes the place of QT_QPA_PLATFORM or DISPLAY.
struct DisplayChoice {
    std::string platform;
    std::string display;
};

// Whether Qt can open a window here: a platform other than X11 or Wayland is
// chosen, WAYLAND_DISPLAY is set, or the X display names a server (a local
// one must have its socket).
bool displayAvailable(const DisplayChoice& commandLine = {});

} // namespace kelvaro
