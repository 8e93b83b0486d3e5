#pragma once

#include "core_backend.h"
#include "invariant_checker.h"
#include "session_action.h"

#include <string>
#include <vector>

namespace kelvaro {

// One session on a freshly started program, driven through the replay
// tool's core backend exactly as a script would drive it, with every step
// checked by the invariant checker.
class SessionRun {
public:
    explicit SessionRun(char separator);
    SessionRun(const SessionRun&) = delete;
    SessionRun& operator=(const SessionRun&) = delete;

    Program& program() { return backend_.program(); }
    bool ended() { return program().lifeCycle.ended(); }

    // Whether a script could state the action now: its window is shown,
    // its index or value in range, and the program has not ended.
    bool applicable(const SessionAction& action);

    // Carries out the action step by step; the broken invariants, if any.
    std::vector<std::string> apply(const SessionAction& action);

    // The broken invariants of the state after start-up.
    std::vector<std::string> startFailures() const { return startFailures_; }

    // Steps checked so far (a typed character or deleted one is a step).
    long steps() const { return steps_; }
    const InvariantChecker::Counts& counts() const { return checker_.counts(); }

private:
    std::vector<std::string> step(const SessionAction& step);

    CoreBackend backend_;
    InvariantChecker checker_;
    std::vector<std::string> startFailures_;
    long steps_ = 0;
};

} // namespace kelvaro
