#include "handlers/slider_recalculation.h"

namespace kelvaro {

void SliderRecalculation::Form1_HScroll1_Change() {
    form_.minutes.setText(NumberFormat::toText(form_.minutesSlider.value()));
    calculation_.run(CalculationPath::Slider);
}

} // namespace kelvaro
