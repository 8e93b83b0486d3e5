// kelvaro-replay [--gui] [SCRIPT]: runs a script of user actions on the
// program and prints what it shows.
#include "core_backend.h"
#include "locale/decimal_separator.h"
#include "replay_runner.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

constexpr const char* kUsage = "usage: kelvaro-replay [--gui] [SCRIPT]\n"
                               "Runs a script of user actions (a file, or standard input)\n"
                               "and prints the dumps, reports of bad input and the end.\n"
                               "--gui drives the real windows, on the Qt platform that\n"
                               "QT_QPA_PLATFORM names (offscreen when it is unset); a wait\n"
                               "for the windows that runs out ends the run with status 3.\n"
                               "With KELVARO_REPLAY_KEYBOARD=x11, lists are opened with\n"
                               "Alt+Down on the keyboard of the X display (DISPLAY), as for a\n"
                               "nested Wayland compositor, which opens a popup only for its\n"
                               "own input events.\n";

} // namespace

#ifdef KELVARO_REPLAY_GUI
std::unique_ptr<kelvaro::ReplayBackend> makeGuiBackend(int& argc, char** argv,
                                                       kelvaro::NumberFormat numbers);
void endGuiRun(std::unique_ptr<kelvaro::ReplayBackend> backend, int status);
#endif

int main(int argc, char** argv) {
    bool gui = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--gui") {
            gui = true;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (path.empty() && !arg.starts_with("--")) {
            path = arg;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    std::ifstream file;
    if (!path.empty()) {
        file.open(path);
        if (!file) {
            std::cerr << "kelvaro-replay: cannot read " << path << '\n';
            return 2;
        }
    }
    std::istream& script = path.empty() ? std::cin : file;
    const kelvaro::NumberFormat numbers(kelvaro::userDecimalSeparator());

    std::unique_ptr<kelvaro::ReplayBackend> backend;
    if (gui) {
#ifdef KELVARO_REPLAY_GUI
        backend = makeGuiBackend(argc, argv, numbers);
#else
        std::cerr << "kelvaro-replay: built without the windows; --gui is not available\n";
        return 2;
#endif
    } else {
        backend = std::make_unique<kelvaro::CoreBackend>(numbers);
    }
    kelvaro::ReplayRunner runner(*backend, std::cout);
    int status = 0;
    try {
        runner.run(script);
    } catch (const kelvaro::ScriptError& error) {
        std::cout.flush();
        std::cerr << error.what() << '\n';
        status = 2;
    } catch (const std::runtime_error& error) {
        // The windows did not do in time what a user waits for.
        std::cout.flush();
        std::cerr << "kelvaro-replay: " << error.what() << '\n';
        status = 3;
    }
#ifdef KELVARO_REPLAY_GUI
    if (gui) {
        endGuiRun(std::move(backend), status);
    }
#endif
    return status;
    return 0;
}
