#pragma once

#include "handlers/program.h"
#include "session_action.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// Seeded random sessions: session number i of seed s is always the same
// actions in the same locale, so any session can be generated again.
class RandomSessions {
public:
    struct Figures {
        long sessions = 0;
        long actions = 0;
        long steps = 0;
        long succeeded = 0; // calculations
        long refused = 0;
        long reports = 0;
        long ended = 0; // sessions that ended the program
    };

    struct Session {
        std::uint64_t index = 0;
        char separator = ',';
        std::vector<SessionAction> actions;
        std::vector<std::string> failures; // empty when every invariant held
    };

    RandomSessions(std::uint64_t seed, int longestSession)
        : seed_(seed), longestSession_(longestSession) {}

    // Generates session number index while running it; stops at the first
    // action that breaks an invariant.
    Session run(std::uint64_t index);

    // The shortest session found that fails like the given one, with only
    // the actions a script can state.
    Session shrink(const Session& failing) const;

    // The failures of the actions run on a fresh program; the actions a
    // script can state go to applied.
    std::vector<std::string> failuresOf(const std::vector<SessionAction>& actions, char separator,
                                        std::vector<SessionAction>* applied = nullptr) const;

    // For testing the tester: a fault planted into every program it starts.
    void plantFault(std::function<void(Program&)> fault) { fault_ = std::move(fault); }

    // A failure without the values it names: which kind of invariant broke.
    static std::string kindOf(const std::string& failure);

    const Figures& figures() const { return figures_; }
    std::uint64_t seed() const { return seed_; }

private:
    std::uint64_t seed_;
    int longestSession_;
    Figures figures_;
    std::function<void(Program&)> fault_;
};

} // namespace kelvaro
