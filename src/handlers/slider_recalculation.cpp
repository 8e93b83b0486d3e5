#include "handlers/slider_recalculation.h"

namespace kelvaro {

void SliderRecalculation::Form1_HScroll1_Change() {
    form_.Text1.setText(NumberFormat::toText(form_.HScroll1.value()));
    calculation_.run(CalculationPath::Slider);
}

} // namespace kelvaro
