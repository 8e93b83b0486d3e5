// kelvaro-random-sessions: runs seeded random user sessions on the core and
// checks the invariants after every step. A failing session is shrunk and
// printed as a replay script. With --scripts it writes sessions as replay
// scripts (a dump after every action) for running through kelvaro-replay.
#include "random_sessions.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: kelvaro-random-sessions [--seed N] [--actions N] [--longest N] [--keep-going]\n"
    "       kelvaro-random-sessions --scripts DIR --sessions N [--seed N] [--longest N]\n"
    "Runs random user sessions until N actions (default 20000) have been checked.\n"
    "A session has 1 to --longest actions (default 80). --keep-going reports every\n"
    "kind of failure once instead of stopping at the first. --scripts writes N sessions\n"
    "as replay scripts NAME.de.script or NAME.c.script into DIR.\n";

struct Options {
    std::uint64_t seed = 1;
    long actions = 20000;
    int longest = 80;
    bool keepGoing = false;
    std::string scripts;
    long sessions = 0;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--keep-going") {
            options.keepGoing = true;
            continue;
        }
        if (i + 1 >= argc) {
            return false;
        }
        const std::string value = argv[++i];
        try {
            if (arg == "--seed") {
                options.seed = std::stoull(value);
            } else if (arg == "--actions") {
                options.actions = std::stol(value);
            } else if (arg == "--longest") {
                options.longest = std::stoi(value);
            } else if (arg == "--scripts") {
                options.scripts = value;
            } else if (arg == "--sessions") {
                options.sessions = std::stol(value);
            } else {
                return false;
            }
        } catch (const std::exception&) {
            return false;
        }
    }
    return options.longest >= 1 && (options.scripts.empty() || options.sessions > 0);
}

std::string origin(const kelvaro::RandomSessions& sessions, std::uint64_t index) {
    return "random session " + std::to_string(index) + " of seed " +
           std::to_string(sessions.seed());
}

void printFailure(const kelvaro::RandomSessions& sessions,
                  const kelvaro::RandomSessions::Session& failing) {
    std::cout << "FAILED: " << origin(sessions, failing.index) << " ("
              << kelvaro::localeFor(failing.separator) << "), action " << failing.actions.size()
              << ":\n";
    for (const std::string& failure : failing.failures) {
        std::cout << "  " << failure << '\n';
    }
    const kelvaro::RandomSessions::Session shrunk = sessions.shrink(failing);
    std::cout << "Shrunk to " << shrunk.actions.size() << " actions:\n";
    for (const std::string& failure : shrunk.failures) {
        std::cout << "  " << failure << '\n';
    }
    std::cout << "----- replay script -----\n"
              << kelvaro::sessionScript(shrunk.actions, shrunk.separator,
                                        "shrunk from " + origin(sessions, failing.index), false)
              << "-------------------------\n";
}

void printFigures(const kelvaro::RandomSessions& sessions, double seconds) {
    const auto& f = sessions.figures();
    std::printf("seed %llu: %ld sessions, %ld actions (%ld steps), %ld calculations "
                "(%ld refused), %ld reports of bad input, %ld sessions ended by Exit or "
                "closing, %.1f s\n",
                static_cast<unsigned long long>(sessions.seed()), f.sessions, f.actions, f.steps,
                f.succeeded + f.refused, f.refused, f.reports, f.ended, seconds);
}

int writeScripts(const Options& options) {
    namespace fs = std::filesystem;
    fs::create_directories(options.scripts);
    kelvaro::RandomSessions sessions(options.seed, options.longest);
    int status = 0;
    for (long i = 0; i < options.sessions; ++i) {
        const kelvaro::RandomSessions::Session session =
            sessions.run(static_cast<std::uint64_t>(i));
        if (!session.failures.empty()) {
            printFailure(sessions, session);
            status = 1;
        }
        char name[64];
        std::snprintf(name, sizeof name, "session_%05ld.%s.script", i,
                      session.separator == ',' ? "de" : "c");
        std::ofstream(fs::path(options.scripts) / name)
            << kelvaro::sessionScript(session.actions, session.separator,
                                      origin(sessions, static_cast<std::uint64_t>(i)), true);
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    if (!options.scripts.empty()) {
        return writeScripts(options);
    }
    const auto start = std::chrono::steady_clock::now();
    kelvaro::RandomSessions sessions(options.seed, options.longest);
    std::set<std::string> seen;
    int status = 0;
    for (std::uint64_t i = 0; sessions.figures().actions < options.actions; ++i) {
        const kelvaro::RandomSessions::Session session = sessions.run(i);
        if (session.failures.empty() ||
            !seen.insert(kelvaro::RandomSessions::kindOf(session.failures.front())).second) {
            continue;
        }
        printFailure(sessions, session);
        status = 1;
        if (!options.keepGoing) {
            break;
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    printFigures(sessions, elapsed.count());
    return status;
}
