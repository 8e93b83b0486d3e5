#pragma once

#include "handlers/program.h"
#include "session_gen.h"

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
//   one that was refused was reported once and
//   changed no result; without a calculation no result changes;
// - the step itself did what the user meant, and lost nothing typed.
// Each broken invariant is one line of the text returned; empty when all hold.
class InvariantChecker {
public:
    explicit InvariantChecker(Program& program);

    // The state after start-up, which ran the first calculation.
    std::string checkStart();

    void beforeStep();
    std::string afterStep(const SessionAction& step);

private:
    void checkState();
    void checkCalculation(bool button, const std::string& label8Before);
    void checkStep(const SessionAction& step);
    void checkTyping(const SessionAction& step);
    void checkPlayingTime(const std::string& typed);
    void checkChoice(const SessionAction& step);
    void expectUnchanged(const std::vector<std::string>& names, bool allBut,
                         const std::string& why);
    void expectText(const std::string& name, const std::string& expected, const std::string& why);
    void expect(bool holds, const std::string& what);

    Program& program_;
    std::map<std::string, std::string> before_;
    std::map<std::string, std::string> after_;
    int text1Changes_ = 0;
    int sliderChanges_ = 0;
    std::vector<Report> reports_;
    std::string failures_;
};

} // namespace kelvaro
