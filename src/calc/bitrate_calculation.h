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

private:
    bool inputsAreNumbers(FieldDraft& draft);
    void computeInto(FieldDraft& draft, CalculationPath path);
    void audioSizes(FieldDraft& draft);
    double audioKilobytes(FieldDraft& draft, const AudioTrack& track);
    void averageBitrate(FieldDraft& draft);
    void resolution(FieldDraft& draft);
    void streamSizes(FieldDraft& draft, CalculationPath path);
    void bars(FieldDraft& draft);

    Form1& form_;
};

} // namespace kelvaro
