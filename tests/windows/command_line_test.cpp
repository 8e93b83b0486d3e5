#include "launch/command_line.h"
#include "launch/display_check.h"
#include "scoped_variable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

using Request = CommandLine::Request;

struct ArgumentsRow {
    const char* name;
    std::vector<std::string> arguments;
    Request request;
    std::string unknownOption = {};
    std::string platform = {};
    std::string display = {};
};

class ArgumentKinds : public ::testing::TestWithParam<ArgumentsRow> {};

TEST_P(ArgumentKinds, AreReadAsQtReadsThem) {
    const ArgumentsRow& row = GetParam();
    const CommandLine commandLine(row.arguments);
    EXPECT_EQ(commandLine.request(), row.request);
    EXPECT_EQ(commandLine.unknownOption(), row.unknownOption);
    EXPECT_EQ(commandLine.displayChoice().platform, row.platform);
    EXPECT_EQ(commandLine.displayChoice().display, row.display);
}

// One row per kind of argument: its expected request, unknown option,
// platform and X display.
// clang-format off
const ArgumentsRow kArgumentRows[] = {
    // Kelvaro's own options.
    {"none", {}, Request::start},
    {"first_own_option_decides", {"--version", "--help"}, Request::version},
    {"own_option_after_qt_option", {"-reverse", "--help"}, Request::help},
    {"own_option_after_qt_value", {"-style", "Fusion", "--version"}, Request::version},
    // Unknown options; other spellings go to Qt, as before.
    {"help_with_value", {"--help=all"}, Request::unknownOption, "--help=all"},
    // Qt takes -platform's value only from the next argument.
    {"platform_with_equals", {"--platform=offscreen"}, Request::unknownOption,
     "--platform=offscreen"},
    {"first_unknown_decides", {"--frobnicate", "--help"}, Request::unknownOption, "--frobnicate"},
    {"other_spellings_go_to_qt", {"-help", "-h", "-frobnicate"}, Request::start},
    // Qt's options with one dash or two.
    {"last_platform_counts", {"-platform", "xcb", "--platform", "offscreen"}, Request::start, "",
     "offscreen"},
    {"display", {"--display", ":5"}, Request::start, "", "", ":5"},
    {"own_option_after_joined_value", {"--style=Fusion", "--help"}, Request::help},
    {"every_value_option",
     {"--platformpluginpath", "p", "--platformtheme", "t", "--qwindowgeometry", "1x1",
      "--geometry", "1x1", "--qwindowtitle", "t", "--title", "t", "--qwindowicon", "i", "--icon",
      "i", "--name", "n", "--visual", "33", "--plugin", "p", "--session", "s", "--style", "s",
      "--stylesheet", "s", "--qmljsdebugger", "d"},
     Request::start},
    // A value is never taken for an option, not even for one of Kelvaro's.
    {"help_as_platform_value", {"-platform", "--help"}, Request::start, "", "--help"},
    {"value_option_last", {"--style"}, Request::start},
    // Qt reads -platform before -style, so -style keeps no value here.
    {"platform_read_before_style", {"-style", "-platform", "offscreen"}, Request::start, "",
     "offscreen"},
    // Plain arguments and the end of options.
    {"double_dash_ends_own_options", {"--", "--version", "--frobnicate"}, Request::start},
    {"qt_still_reads_after_double_dash", {"--", "-platform", "offscreen"}, Request::start, "",
     "offscreen"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, ArgumentKinds, ::testing::ValuesIn(kArgumentRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Whether the program finds a display to open its window on, from the
// command line's choice and the variables that name one (unset where a row
// gives nullptr; restored afterwards). No X server listens on display 99999
// here: its socket is never there.
TEST(DisplayCheck, APlatformAWaylandOrARunningXServerIsADisplay) {
    const struct {
        const char* name;
        DisplayChoice commandLine;
        const char* platform;
        const char* wayland;
        const char* display;
        bool available;
    } rows[] = {
        {"offscreen_with_options", {}, "offscreen:fontengine=freetype", nullptr, nullptr, true},
        {"wayland_beside_a_missing_x", {}, nullptr, "wayland-0", ":99999", true},
        {"wayland_named_without_wayland", {}, "wayland-egl", nullptr, "", false},
        {"empty_display", {}, nullptr, "", "", false},
        {"local_x_screen_not_running", {}, nullptr, nullptr, ":99999.0", false},
        {"unix_socket_x_not_running", {}, nullptr, nullptr, "unix:99999", false},
        {"remote_x_is_trusted", {}, nullptr, nullptr, "far.example:0", true},
        // The command line's choice takes the place of the environment's.
        {"offscreen_argument", {"offscreen", ""}, nullptr, nullptr, nullptr, true},
        {"argument_xcb_over_offscreen", {"xcb", ""}, "offscreen", nullptr, nullptr, false},
        {"argument_offscreen_over_missing_x", {"offscreen", ""}, "xcb", nullptr, ":99999", true},
        {"missing_local_display_argument", {"", ":99999"}, nullptr, nullptr, "elsewhere:0", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ScopedVariable platform("QT_QPA_PLATFORM", row.platform);
        const ScopedVariable wayland("WAYLAND_DISPLAY", row.wayland);
        const ScopedVariable display("DISPLAY", row.display);
        EXPECT_EQ(displayAvailable(row.commandLine), row.available);
    }
}

} // namespace
} // namespace kelvaro
