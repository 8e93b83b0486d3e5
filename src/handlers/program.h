#pragma once

#include "calc/bitrate_calculation.h"
#include "calc/form1.h"
#include "handlers/audio_track_selection.h"
#include "handlers/disc_type_selection.h"
#include "handlers/input_field_handlers.h"
#include "handlers/life_cycle.h"
#include "handlers/slider_recalculation.h"
#include "runtime/number_format.h"
#include "runtime/window.h"

namespace kelvaro {

// The whole program without its windows: the fields, every handler, and the
// events that connect them. Whoever shows the windows connects to the
// controls' events after construction and then calls start().
class Program {
public:
    explicit Program(NumberFormat numbers);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void start() { lifeCycle.start(); }

    Form1 form;
    Window about{"About"};

    BitrateCalculation calculation{form};
    SliderRecalculation slider{form, calculation};
    InputFieldHandlers inputs{form};
    DiscTypeSelection discTypeSelection{form};
    AudioTrackSelection audio1Selection{form.audio1};
    AudioTrackSelection audio2Selection{form.audio2};
    LifeCycle lifeCycle{form, about};

private:
    void connectHandlers();
    void connectMarkClearing();
};

} // namespace kelvaro
