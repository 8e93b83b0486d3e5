// kelvaro-session-scripts DIR COUNT SEED: writes COUNT random sessions of the
// seed into DIR as replay scripts with a dump after every action, named
// session_NNNNN.de.script or session_NNNNN.c.script by the locale they run
// in. The sessions come from the generators of the random-session test.
#include "session_gen.h"
#include "session_run.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: kelvaro-session-scripts DIR COUNT SEED\n";
        return 2;
    }
    // Sessions of up to 80 moves, 40 on average.
    constexpr int kSize = 80;
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    rc::Random random(std::stoull(argv[3]));
    int status = 0;
    for (long i = 0; i < std::stol(argv[2]); ++i) {
        const kelvaro::Session session =
            kelvaro::SessionGen::session()(random.split(), kSize).value();
        kelvaro::SessionRun run(session.separator);
        if (const std::string failures = run.play(session.moves); !failures.empty()) {
            std::cerr << "session " << i << " broke an invariant:\n" << failures;
            status = 1;
        }
        char name[64];
        std::snprintf(name, sizeof name, "session_%05ld.%s.script", i,
                      session.separator == ',' ? "de" : "c");
        std::ofstream(dir / name) << kelvaro::sessionScript(
            run.played(), session.separator, "session " + std::to_string(i) + " of seed " + argv[3],
            true);
    }
    return status;
}
