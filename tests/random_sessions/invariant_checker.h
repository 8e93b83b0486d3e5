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
// pasted text, one typed or deleted character, one choice, one slider move,
// one click), what must hold whatever the user did:
// - the state is sound: one window shown until the end, the slider within
//   its range, the disc's capacity, the slider's maximum, the bar set shown
//   and the audio rates in step with the lists;
// - the handlers nest no deeper than described: at most three changes of
//   Text1 and one slider change per step;
// - a calculation that succeeded left what the reference calculation gives,
//   and the space left adds up; one that was refused was reported once and
//   changed no result; without a calculation no result changes;
// - the step itself did what the user meant, and lost nothing typed.
class InvariantChecker {
public:
    explicit InvariantChecker(Program& program);

    // What is broken after start-up, which ran the first calculation; each
    // broken invariant on a line of its own, empty when all hold.
    std::string checkStart();

    void beforeStep();
    std::string afterStep(const SessionAction& step);

private:
    using Snapshot = std::map<std::string, std::string>;

    void checkState();
    void checkRate(const ComboBox& list, const char* startItem, const std::string& rate);
    void checkCalculation(const SessionAction& step);
    void checkSucceeded(const ReferenceCalculation::Result& expected);
    void checkSpaceLeft();
    void checkRefused(const ReferenceCalculation::Result& expected);
    void checkResultsUnchanged(const std::string& why);
    void checkStep(const SessionAction& step);
    void checkClick(const std::string& target);
    void checkTyping(const SessionAction& step);
    void checkPlayingTime(const std::string& typed);
    void checkChoice(const SessionAction& step);
    void checkUnchangedBut(const std::vector<std::string>& changing, const std::string& what);

    Snapshot snapshot() const;
    const std::string& text(const std::string& name) const { return after_.at(name); }
    double number(const std::string& name) const;
    std::array<float, 6> widths() const;
    std::vector<Report> calculationReports() const;
    void fail(const std::string& what) { failures_ += what + '\n'; }

    Program& program_;
    ReferenceCalculation reference_;
    Snapshot before_;
    Snapshot after_;
    std::array<float, 6> widthsBefore_{};
    int text1Changes_ = 0;
    int sliderChanges_ = 0;
    std::vector<Report> reports_;
    std::string failures_;
};

} // namespace kelvaro
