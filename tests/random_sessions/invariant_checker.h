#pragma once

#include "handlers/program.h"
#include "reference_calculation.h"
#include "session_action.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace kelvaro {

// Watches a running program and checks, after every single user step (one
// pasted text, one typed character, one deleted character, one choice, one
// slider move, one click), what must hold whatever the user did:
// - the state is sound: the slider within its range, the length limits, no
//   "inf" or "nan", every text the program wrote reads back as a number,
//   bars not negative, the fields that follow the lists in step with them;
// - the handlers nest no deeper than described: at most three changes of
//   Text1 and one slider change per step;
// - a calculation that succeeded left what the described steps give, and the
//   relations between the results hold (cap, Text4 = Text1 x 60, minimum and
//   maximum from the average, the total's identity while the cap does not
//   apply); one that was refused was reported and changed no result; without
//   a calculation no result changes;
// - the step itself did what the user meant, and lost nothing typed.
class InvariantChecker {
public:
    // How often each kind of thing was seen, for the figures of a run.
    struct Counts {
        long succeeded = 0; // calculations
        long refused = 0;
        long reports = 0; // all reports of bad input
    };

    explicit InvariantChecker(Program& program);

    const Counts& counts() const { return counts_; }

    // The state after start-up, which ran the first calculation.
    std::vector<std::string> checkStart();

    void beforeStep();
    std::vector<std::string> afterStep(const SessionAction& step);

private:
    using Snapshot = std::map<std::string, std::string>;

    void checkState();
    void checkNesting();
    void checkCalculation(const SessionAction& step);
    void checkSucceeded(const ReferenceCalculation::Result& expected);
    void checkRelations();
    void checkRefused(const ReferenceCalculation::Result& expected);
    void checkResultsUnchanged(const char* why);
    void checkStep(const SessionAction& step);
    void checkTyping(const SessionAction& step);
    void checkPlayingTime(const std::string& typed);
    void checkChoice(const SessionAction& step);
    void checkUnchangedBut(const std::vector<std::string>& changing, const char* what);

    static Snapshot snapshotOf(const Program& program);
    std::string text(const std::string& name) const;
    double number(const std::string& name) const;
    std::array<float, 6> widths() const;
    bool calculationReported() const;
    void fail(std::string what) { failures_.push_back(std::move(what)); }

    Program& program_;
    ReferenceCalculation reference_;
    Snapshot before_;
    Snapshot after_;
    std::array<float, 6> widthsBefore_{};
    int text1Changes_ = 0;
    int sliderChanges_ = 0;
    std::vector<Report> reports_;
    std::vector<std::string> failures_;
    Counts counts_;
};

} // namespace kelvaro
