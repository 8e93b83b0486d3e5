#pragma once

#include "handlers/program.h"
#include "runtime/report_channel.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro::test {

// Everything a user can see or a handler can read, as text, by name.
using FormState = std::map<std::string, std::string>;

// A started program with listeners that record what the user would notice:
// the reports of bad input and how often the slider's recalculation ran.
// Fields are given as "Text3=3500 Text1=10": NAME=TEXT, separated by blanks.
class ProgramHarness {
public:
    explicit ProgramHarness(char separator = ',', bool startNow = true);

    Program program;
    Form1& form;
    std::vector<Report> reports;
    int recalculations = 0;
    int programEnds = 0;

    void start() { program.start(); }
    void clickCalculate() { program.calculation.Form1_Command1_Click(); }
    // Writes the text boxes in the order given.
    void setFields(std::string_view fields);
    // Expects each NAME=TEXT of state().
    void expectFields(std::string_view fields);
    // Counts and reports of what runs from here on.
    void resetCounts();

    FormState state();
    FormState results();
};

} // namespace kelvaro::test
