// kelvaro-session-scripts DIR COUNT SEED: writes COUNT random sessions of the
// seed into DIR as replay scripts with a dump after every action, named
// session_NNNNN.de.script or session_NNNNN.c.script by the locale they run
// in, from the generators of the random-session test.
#include "session_run.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: kelvaro-session-scripts DIR COUNT SEED\n";
        return 2;
    }
    constexpr int kSize = 80; // sessions of up to 80 moves, 40 on average
    std::filesystem::create_directories(argv[1]);
    rc::Random random(std::stoull(argv[3]));
    int status = 0;
    for (long i = 0; i < std::stol(argv[2]); ++i) {
        const auto session = kelvaro::sessions()(random.split(), kSize).value();
        kelvaro::SessionRun run(session.separator);
        if (const std::string failures = run.play(session.moves); !failures.empty()) {
            std::cerr << "session " << i << " broke an invariant:\n" << failures;
            status = 1;
        }
        const std::string name = "/session_" + std::to_string(100000 + i).substr(1) +
                                 (session.separator == ',' ? ".de" : ".c") + ".script";
        std::ofstream(argv[1] + name)
            << run.script("session " + std::to_string(i) + " of seed " + argv[3], true);
    }
    return status;
}
