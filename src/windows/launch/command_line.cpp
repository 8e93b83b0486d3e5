#include "launch/command_line.h"

#include <array>
#include <span>
#include <string_view>

namespace kelvaro {

namespace {

// How Qt takes an option: alone, with the next argument as its value, or
// with its value joined by "=" (the name then ends with "=").
enum class Form { flag, value, joined };

struct QtOption {
    std::string_view name;
    Form form;
};

// Qt's generic options, as Qt 6 reads them in turn: the core, the choice of
// platform, the X11 platform, the GUI and the widgets. Each reading removes
// the options it knows, with their values, before the next one looks. The
// options of the X11 platform and the short X11 names (-geometry, -title,
// -icon) count as known on every platform.
constexpr std::array kCore{
    QtOption{"-qmljsdebugger=", Form::joined},
    QtOption{"-qmljsdebugger", Form::value},
};
constexpr std::array kPlatformChoice{
    QtOption{"-platformpluginpath", Form::value},
    QtOption{"-platform", Form::value},
    QtOption{"-platformtheme", Form::value},
    QtOption{"-qwindowgeometry", Form::value},
    QtOption{"-geometry", Form::value},
    QtOption{"-qwindowtitle", Form::value},
    QtOption{"-title", Form::value},
    QtOption{"-qwindowicon", Form::value},
    QtOption{"-icon", Form::value},
};
constexpr std::array kX11{
    QtOption{"-display", Form::value}, QtOption{"-name", Form::value},
    QtOption{"-nograb", Form::flag},   QtOption{"-dograb", Form::flag},
    QtOption{"-visual", Form::value},
};
constexpr std::array kGui{
    QtOption{"-plugin", Form::value},  QtOption{"-reverse", Form::flag},
    QtOption{"-session", Form::value}, QtOption{"-testability", Form::flag},
    QtOption{"-style=", Form::joined}, QtOption{"-style", Form::value},
};
constexpr std::array kWidgets{
    QtOption{"-qdevel", Form::flag},        QtOption{"-qdebug", Form::flag},
    QtOption{"-stylesheet=", Form::joined}, QtOption{"-stylesheet", Form::value},
    QtOption{"-widgetcount", Form::flag},
};
constexpr std::array<std::span<const QtOption>, 5> kReadings{kCore, kPlatformChoice, kX11, kGui,
                                                             kWidgets};

// Qt takes "--name" as "-name".
std::string_view withOneDash(std::string_view argument) {
    if (argument.starts_with("--")) {
        argument.remove_prefix(1);
    }
    return argument;
}

const QtOption* knownOption(std::string_view argument, std::span<const QtOption> known) {
    if (!argument.starts_with('-')) {
        return nullptr;
    }
    const std::string_view name = withOneDash(argument);
    for (const QtOption& option : known) {
        if (option.form == Form::joined ? name.starts_with(option.name) : name == option.name) {
            return &option;
        }
    }
    return nullptr;
}

// One of Qt's readings: returns the arguments it leaves, and notes the
// platform and the X display (the last one given counts, as in Qt).
std::vector<std::string> readAsQt(const std::vector<std::string>& arguments,
                                  std::span<const QtOption> known, DisplayChoice& choice) {
    std::vector<std::string> left;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const QtOption* option = knownOption(arguments[i], known);
        if (option == nullptr) {
            left.push_back(arguments[i]);
        } else if (option->form == Form::value && ++i < arguments.size()) {
            if (option->name == "-platform") {
                choice.platform = arguments[i];
            } else if (option->name == "-display") {
                choice.display = arguments[i];
            }
        }
    }
    return left;
}

} // namespace

CommandLine::CommandLine(std::vector<std::string> arguments) {
    for (const std::span<const QtOption> known : kReadings) {
        arguments = readAsQt(arguments, known, displayChoice_);
    }
    decide(arguments);
}

CommandLine::CommandLine(int argc, const char* const* argv)
    : CommandLine(argc > 1 ? std::vector<std::string>(argv + 1, argv + argc)
                           : std::vector<std::string>()) {}

// The first of Kelvaro's options, or of the unknown ones, decides.
void CommandLine::decide(const std::vector<std::string>& leftForTheProgram) {
    for (const std::string& argument : leftForTheProgram) {
        if (argument == "--") {
            return;
        }
        if (argument == "--help") {
            request_ = Request::help;
        } else if (argument == "--version") {
            request_ = Request::version;
        } else if (argument.starts_with("--")) {
            request_ = Request::unknownOption;
            unknownOption_ = argument;
        } else {
            continue;
        }
        return;
    }
}

} // namespace kelvaro
