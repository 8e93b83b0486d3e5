#include "command_line.h"
#include "display_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
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

void PrintTo(const ArgumentsRow& row, std::ostream* out) {
    *out << row.name;
}

class ArgumentKinds : public ::testing::TestWithParam<ArgumentsRow> {};

TEST_P(ArgumentKinds, AreReadAsQtReadsThem) {
    const ArgumentsRow& row = GetParam();
    const CommandLine commandLine(row.arguments);
    EXPECT_EQ(commandLine.request(), row.request);
    EXPECT_EQ(commandLine.unknownOption(), row.unknownOption);
    EXPECT_EQ(commandLine.displayChoice().platform, row.platform);
    EXPECT_EQ(commandLine.displayChoice().display, row.display);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ArgumentKinds,
    ::testing::Values(
        // Kelvaro's own options.
        ArgumentsRow{"none", {}, Request::start}, ArgumentsRow{"help", {"--help"}, Request::help},
        ArgumentsRow{"version", {"--version"}, Request::version},
        ArgumentsRow{"first_own_option_decides", {"--version", "--help"}, Request::version},
        ArgumentsRow{"own_option_after_qt_option", {"-reverse", "--help"}, Request::help},
        ArgumentsRow{
            "own_option_after_qt_value", {"-style", "Fusion", "--version"}, Request::version},
        // Only the two-dash spellings are Kelvaro's; the others go to Qt.
        ArgumentsRow{"single_dash_help_goes_to_qt", {"-help"}, Request::start},
        ArgumentsRow{"short_h_goes_to_qt", {"-h"}, Request::start},
        // Unknown options.
        ArgumentsRow{"unknown", {"--frobnicate"}, Request::unknownOption, "--frobnicate"},
        ArgumentsRow{"help_with_value", {"--help=all"}, Request::unknownOption, "--help=all"},
        ArgumentsRow{
            "three_dashes", {"---platform", "offscreen"}, Request::unknownOption, "---platform"},
        // Qt's -platform takes no "=": it is not Qt's, so it is an error.
        ArgumentsRow{"platform_with_equals",
                     {"--platform=offscreen"},
                     Request::unknownOption,
                     "--platform=offscreen"},
        ArgumentsRow{"first_unknown_decides",
                     {"--frobnicate", "--help"},
                     Request::unknownOption,
                     "--frobnicate"},
        ArgumentsRow{"help_before_unknown", {"--help", "--frobnicate"}, Request::help},
        ArgumentsRow{"unknown_single_dash_goes_to_qt", {"-frobnicate"}, Request::start},
        // Qt's options with one dash or two.
        ArgumentsRow{"platform", {"-platform", "offscreen"}, Request::start, "", "offscreen"},
        ArgumentsRow{
            "platform_two_dashes", {"--platform", "offscreen"}, Request::start, "", "offscreen"},
        ArgumentsRow{"last_platform_counts",
                     {"-platform", "xcb", "--platform", "offscreen"},
                     Request::start,
                     "",
                     "offscreen"},
        ArgumentsRow{"display", {"--display", ":5"}, Request::start, "", "", ":5"},
        ArgumentsRow{"style_joined", {"--style=Fusion"}, Request::start},
        ArgumentsRow{"stylesheet_joined", {"--stylesheet=look.qss"}, Request::start},
        ArgumentsRow{"qml_debugger_joined", {"--qmljsdebugger=port:1234"}, Request::start},
        ArgumentsRow{
            "flags", {"--reverse", "--nograb", "--widgetcount", "--testability"}, Request::start},
        ArgumentsRow{"every_value_option",
                     {"--platformpluginpath",
                      "p",
                      "--platformtheme",
                      "t",
                      "--qwindowgeometry",
                      "1x1",
                      "--geometry",
                      "1x1",
                      "--qwindowtitle",
                      "t",
                      "--title",
                      "t",
                      "--qwindowicon",
                      "i",
                      "--icon",
                      "i",
                      "--name",
                      "n",
                      "--visual",
                      "33",
                      "--plugin",
                      "p",
                      "--session",
                      "s",
                      "--style",
                      "s",
                      "--stylesheet",
                      "s",
                      "--qmljsdebugger",
                      "d"},
                     Request::start},
        // A value is never taken for an option, not even for one of Kelvaro's.
        ArgumentsRow{
            "help_as_platform_value", {"-platform", "--help"}, Request::start, "", "--help"},
        ArgumentsRow{"unknown_as_style_value", {"--style", "--frobnicate"}, Request::start},
        ArgumentsRow{"value_option_last", {"--style"}, Request::start},
        // The platform is chosen before the GUI reads -style, so -style keeps
        // no value there and the platform counts.
        ArgumentsRow{"platform_read_before_style",
                     {"-style", "-platform", "offscreen"},
                     Request::start,
                     "",
                     "offscreen"},
        ArgumentsRow{"help_taken_by_platform_before_style",
                     {"-style", "-platform", "--help"},
                     Request::start,
                     "",
                     "--help"},
        // Plain arguments and the end of options.
        ArgumentsRow{"plain_argument", {"film.mpg"}, Request::start},
        ArgumentsRow{"lone_dash", {"-"}, Request::start},
        ArgumentsRow{"empty_argument", {""}, Request::start},
        ArgumentsRow{"double_dash_alone", {"--"}, Request::start},
        ArgumentsRow{
            "double_dash_ends_own_options", {"--", "--version", "--frobnicate"}, Request::start},
        ArgumentsRow{"qt_still_reads_after_double_dash",
                     {"--", "-platform", "offscreen"},
                     Request::start,
                     "",
                     "offscreen"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineFromMain, SkipsTheProgramName) {
    const char* argv[] = {"--help", "--version", nullptr};
    EXPECT_EQ(CommandLine(2, argv).request(), Request::version);
    EXPECT_EQ(CommandLine(1, argv).request(), Request::start);
    EXPECT_EQ(CommandLine(0, argv).request(), Request::start);
}

// The check for a display, with the environment set as each row says (unset
// where a row gives nothing) and restored afterwards.
struct DisplayRow {
    const char* name;
    DisplayChoice commandLine;
    std::optional<std::string> qtPlatform;
    std::optional<std::string> display;
    bool available;
};

void PrintTo(const DisplayRow& row, std::ostream* out) {
    *out << row.name;
}

class SavedVariable {
public:
    SavedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        set(value);
    }
    ~SavedVariable() { set(old_); }
    SavedVariable(const SavedVariable&) = delete;
    SavedVariable& operator=(const SavedVariable&) = delete;

private:
    void set(const std::optional<std::string>& value) {
        if (value) {
            setenv(name_, value->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

class DisplayFromCommandLine : public ::testing::TestWithParam<DisplayRow> {};

TEST_P(DisplayFromCommandLine, TakesThePlaceOfTheEnvironment) {
    const DisplayRow& row = GetParam();
    const SavedVariable platform("QT_QPA_PLATFORM", row.qtPlatform);
    const SavedVariable display("DISPLAY", row.display);
    const SavedVariable wayland("WAYLAND_DISPLAY", std::nullopt);
    EXPECT_EQ(displayAvailable(row.commandLine), row.available);
}

// No X server listens on display 4711 here: its socket is never there.
INSTANTIATE_TEST_SUITE_P(
    Rows, DisplayFromCommandLine,
    ::testing::Values(
        DisplayRow{"nothing", {}, std::nullopt, std::nullopt, false},
        DisplayRow{"offscreen_argument", {"offscreen", ""}, std::nullopt, std::nullopt, true},
        DisplayRow{"offscreen_from_environment", {}, "offscreen", std::nullopt, true},
        DisplayRow{"argument_xcb_over_environment_offscreen",
                   {"xcb", ""},
                   "offscreen",
                   std::nullopt,
                   false},
        DisplayRow{
            "argument_offscreen_over_missing_server", {"offscreen", ""}, "xcb", ":4711", true},
        DisplayRow{
            "remote_display_argument", {"", "elsewhere:0"}, std::nullopt, std::nullopt, true},
        DisplayRow{
            "missing_local_display_argument", {"", ":4711"}, std::nullopt, "elsewhere:0", false},
        DisplayRow{"environment_display_without_argument", {}, std::nullopt, "elsewhere:0", true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvaro
