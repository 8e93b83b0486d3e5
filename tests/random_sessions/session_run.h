#pragma once

#include "core_backend.h"
#include "replay_runner.h"
#include "session_gen.h"

#include <map>
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
    explicit SessionRun(char separator);
    SessionRun(const SessionRun&) = delete;
    SessionRun& operator=(const SessionRun&) = delete;

    // Plays the moves until an invariant breaks or the program ends; what
    // broke, one line for each broken invariant, empty when all held.
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

    // The invariants (invariant_checker.cpp), checked after every single
    // step (one pasted text, one typed or deleted character, one choice, one
    // slider move, one click), whatever the user did:
    // - the state is sound: one window shown until the end, the disc's
    //   capacity, the slider's maximum, the bar set shown and the audio rates
    //   in step with the lists;
    // - the handlers nest no deeper than described: at most three changes of
    //   Text1 and one slider change per step;
    // - a calculation that succeeded left what the reference calculation
    //   gives, one that was refused was reported once and changed no result;
    //   without a calculation no result changes;
    // - the step itself did what the user meant, and lost nothing typed.
    std::string checkStart(); // after start-up, which ran the first calculation
    void beforeStep();
    std::string afterStep(const SessionAction& step);
    void checkState();
    void checkCalculation(bool button, const std::string& label8Before);
    void checkStep(const SessionAction& step);
    void checkTyping(const SessionAction& step);
    void checkChoice(const SessionAction& step);
    void expectUnchanged(const std::vector<std::string>& names, bool allBut,
                         const std::string& why);
    void expectText(const std::string& name, const std::string& expected, const std::string& why);
    void expect(bool holds, const std::string& what);

    char separator_;
    CoreBackend backend_{NumberFormat(separator_)};
    Program& program_ = backend_.program();
    std::ostream discarded_{nullptr};
    ReplayRunner runner_{backend_, discarded_};
    std::vector<SessionAction> played_;
    std::map<std::string, std::string> before_;
    std::map<std::string, std::string> after_;
    int text1Changes_ = 0;
    int sliderChanges_ = 0;
    std::vector<Report> reports_;
    std::string failures_;
};

} // namespace kelvaro
