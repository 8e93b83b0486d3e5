#pragma once

#include "calc/bitrate_calculation.h"
#include "calc/form1.h"

namespace kelvaro {

// The slider's change handler: the playing time follows the slider, then the
// whole calculation runs.
class SliderRecalculation {
public:
    SliderRecalculation(Form1& form, BitrateCalculation& calculation)
        : form_(form), calculation_(calculation) {}

    void Form1_HScroll1_Change();

private:
    Form1& form_;
    BitrateCalculation& calculation_;
};

} // namespace kelvaro
