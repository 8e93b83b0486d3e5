#pragma once

#include "core_backend.h"
#include "invariant_checker.h"
#include "replay_runner.h"
#include "session_gen.h"

#include <ostream>
#include <string>
#include <vector>

namespace kelvaro {

// One session on a freshly started program. Each move is worked out into
// actions against the state at hand, and each action runs as a line of a
// replay script on the replay tool's core backend, one typed or deleted
// character at a time, with the invariants checked after every step.
class SessionRun {
public:
    explicit SessionRun(char separator) : separator_(separator) {}
    SessionRun(const SessionRun&) = delete;
    SessionRun& operator=(const SessionRun&) = delete;

    // Plays the moves until an invariant breaks or the program ends; what
    // broke, empty when every invariant held.
    std::string play(const std::vector<Move>& moves);

    // The actions played as a replay script for kelvaro-replay: a comment
    // with the origin and the locale to run it in, the actions, and a dump
    // after each one or only at the end.
    std::string script(const std::string& origin, bool dumpAfterEach) const;

private:
    static std::string line(const SessionAction& action);
    std::vector<SessionAction> actionsOf(const Move& move);
    std::vector<SessionAction> extrasFor(double average);
    std::string apply(const SessionAction& action);
    std::string step(const SessionAction& step);

    char separator_;
    CoreBackend backend_{NumberFormat(separator_)};
    std::ostream discarded_{nullptr};
    ReplayRunner runner_{backend_, discarded_};
    InvariantChecker checker_{backend_.program()};
    std::vector<SessionAction> played_;
};

} // namespace kelvaro
