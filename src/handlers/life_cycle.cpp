#include "handlers/life_cycle.h"

#include "handlers/option_lists.h"

namespace kelvaro {

void LifeCycle::start() {
    Form1_Form_Load();
    form_.window.setVisible(true);
}

void LifeCycle::Form1_Form_Load() {
    auto& f = form_;
    // The start text "120" always converts.
    f.minutesSlider.setValue(f.numbers.toInt16(f.minutes.text()).value());
    OptionLists::fill(f);
    // The list shows the first disc type until the user chooses.
    f.showBarSet(0);
}

void LifeCycle::Form1_Command3_Click() {
    about_.setVisible(true);
    form_.window.setVisible(false);
}

void LifeCycle::About_Command1_Click() {
    form_.window.setVisible(true);
    about_.setVisible(false);
}

void LifeCycle::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    about_.unload();
    form_.window.unload();
    programEnded.raise();
}

} // namespace kelvaro
