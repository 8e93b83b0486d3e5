#include "launch/display_check.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace kelvaro {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string chosen(const std::string& fromCommandLine, const char* variable) {
    return fromCommandLine.empty() ? environment(variable) : fromCommandLine;
}

// A platform that needs neither DISPLAY nor WAYLAND_DISPLAY, such as offscreen.
bool otherPlatformChosen(const std::string& platform) {
    const std::string first = platform.substr(0, platform.find_first_of(":;"));
    return !first.empty() && first != "xcb" && !first.starts_with("wayland");
}

// ":0", ":99.0" and "unix:0" are local servers that listen on a socket file.
bool localServerMissing(std::string_view display) {
    if (display.starts_with("unix:")) {
        display.remove_prefix(4);
    }
    if (!display.starts_with(':')) {
        return false;
    }
    const std::string_view number = display.substr(1, display.find('.') - 1);
    const std::string socket = "/tmp/.X11-unix/X" + std::string(number);
    std::error_code error;
    return !std::filesystem::exists(socket, error);
}

} // namespace

bool displayAvailable(const DisplayChoice& commandLine) {
    if (otherPlatformChosen(chosen(commandLine.platform, "QT_QPA_PLATFORM")) ||
        !environment("WAYLAND_DISPLAY").empty()) {
        return true;
    }
    const std::string display = chosen(commandLine.display, "DISPLAY");
    return !display.empty() && !localServerMissing(display);
}

} // namespace kelvaro
