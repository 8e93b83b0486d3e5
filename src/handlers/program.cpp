#include "handlers/program.h"

#include <array>
#include <utility>

namespace kelvaro {

Program::Program(NumberFormat numbers) : form(std::move(numbers)) {
    connectHandlers();
    connectMarkClearing();
}

void Program::connectHandlers() {
    auto& f = form;
    f.HScroll1.change.connect([this] { slider.Form1_HScroll1_Change(); });
    f.Text1.change.connect([this] { inputs.Form1_Text1_Change(); });
    f.Text3.change.connect([this] { inputs.Form1_Text3_Change(); });
    f.Text10.change.connect([this] { inputs.Form1_Text10_Change(); });
    f.Text14.change.connect([this] { inputs.Form1_Text14_Change(); });
    f.Text17.change.connect([this] { inputs.Form1_Text17_Change(); });
    f.Combo1.click.connect([this] { discType.Form1_Combo1_Click(); });
    f.Combo2.click.connect([this] { audioTracks.Form1_Combo2_Click(); });
    f.Combo3.click.connect([this] { audioTracks.Form1_Combo3_Click(); });
}

void Program::connectMarkClearing() {
    // The playing time clears its own mark once the slider can follow it.
    auto& f = form;
    const std::array<TextBox*, 8> numeric{&f.Text9,  &f.Text11, &f.Text15, &f.Text16,
                                          &f.Text10, &f.Text3,  &f.Text14, &f.Text17};
    for (TextBox* field : numeric) {
        field->change.connect([this, field] { inputs.clearMarkWhenNumber(*field); });
    }
}

} // namespace kelvaro
