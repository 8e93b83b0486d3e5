#include "handlers/program.h"

#include <utility>

namespace kelvaro {

Program::Program(NumberFormat numbers) : form(std::move(numbers)) {
    connectHandlers();
    connectMarkClearing();
}

void Program::connectHandlers() {
    auto& f = form;
    f.minutesSlider.change.connect([this] { slider.Form1_HScroll1_Change(); });
    f.minutes.change.connect([this] { inputs.Form1_Text1_Change(); });
    f.extrasMb.change.connect([this] { inputs.Form1_Text3_Change(); });
    f.capacityKb.change.connect([this] { inputs.Form1_Text10_Change(); });
    f.subtitlesMb.change.connect([this] { inputs.Form1_Text14_Change(); });
    f.overheadMb.change.connect([this] { inputs.Form1_Text17_Change(); });
    f.discType.click.connect([this] { discTypeSelection.Form1_Combo1_Click(); });
    f.audio1.bitrate.click.connect([this] { audio1Selection.bitrateClick(); });
    f.audio2.bitrate.click.connect([this] { audio2Selection.bitrateClick(); });
}

void Program::connectMarkClearing() {
    // The playing time clears its own mark once the slider can follow it.
    auto& f = form;
    for (TextBox* field : f.numberInputs()) {
        if (field != &f.minutes) {
            field->change.connect([this, field] { inputs.clearMarkWhenNumber(*field); });
        }
    }
}

} // namespace kelvaro
