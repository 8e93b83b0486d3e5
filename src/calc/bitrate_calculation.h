#pragma once

#include "calc/field_draft.h"
#include "calc/form1.h"

#include <array>

namespace kelvaro {

// Which handler runs the calculation: the slider writes the magnitude of the
// video size.
enum class CalculationPath { Button, Slider };

// The whole bitrate calculation, run by the "Berechnen" button and by the
// slider. All or nothing: either every result is written, or none is and the
// refused input is reported.
class BitrateCalculation {
public:
    explicit BitrateCalculation(Form1& form) : form_(form) {}

    // The click handler of "Berechnen".
    void Form1_Command1_Click() { run(CalculationPath::Button); }

    bool run(CalculationPath path);

    // The fields every run reads as numbers, in the order they are checked.
    static constexpr std::array<TextBox Form1::*, 9> kInputs{
        &Form1::Text1,  &Form1::Text9, &Form1::Text11, &Form1::Text15, &Form1::Text16,
        &Form1::Text10, &Form1::Text3, &Form1::Text14, &Form1::Text17};

private:
    bool inputsAreNumbers(FieldDraft& draft);
    void computeInto(FieldDraft& draft, CalculationPath path);
    void audioSizes(FieldDraft& draft);
    void averageBitrate(FieldDraft& draft);
    void resolution(FieldDraft& draft);
    void streamSizes(FieldDraft& draft, CalculationPath path);
    void bars(FieldDraft& draft);

    Form1& form_;
};

} // namespace kelvaro
