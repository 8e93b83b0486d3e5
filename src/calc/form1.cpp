#include "calc/form1.h"

#include <array>
#include <utility>

namespace kelvaro {

namespace {

template <typename Control, std::size_t N>
Control* find(const std::array<Control*, N>& controls, std::string_view name) {
    for (Control* control : controls) {
        if (control->name() == name) {
            return control;
        }
    }
    return nullptr;
}

// The lists of a mutable or a constant form.
template <typename Form> auto numberInputsOf(Form& form) {
    return std::array{&form.minutes,      &form.audio1.count,       &form.audio1.kbPerSecond,
                      &form.audio2.count, &form.audio2.kbPerSecond, &form.capacityKb,
                      &form.extrasMb,     &form.subtitlesMb,        &form.overheadMb};
}

template <typename Form> auto barSetOf(Form& form, std::size_t disc) {
    return std::array{&form.videoBars[disc], &form.audio1.bars[disc], &form.audio2.bars[disc]};
}

} // namespace

Form1::Form1(NumberFormat numberFormat) : numbers(std::move(numberFormat)) {}

TextBox* Form1::textBox(std::string_view name) {
    const std::array boxes{&minutes,       &capacityKb,   &audio1.count,       &audio1.kbPerSecond,
                           &audio1.sizeKb, &audio2.count, &audio2.kbPerSecond, &audio2.sizeKb,
                           &extrasMb,      &subtitlesMb,  &overheadMb,         &seconds,
                           &videoKb,       &averageKbps,  &minimumKbps,        &maximumKbps,
                           &unused[0],     &unused[1],    &unused[2],          &unused[3]};
    return find(boxes, name);
}

ComboBox* Form1::comboBox(std::string_view name) {
    return find(std::array{&discType, &audio1.bitrate, &audio2.bitrate}, name);
}

Label* Form1::label(std::string_view name) {
    return find(std::array{&resolution, &videoMb, &audio1.sizeMb, &audio2.sizeMb, &videoAndAudioMb},
                name);
}

Shape* Form1::shape(std::string_view name) {
    for (std::size_t disc = 0; disc < kDiscTypes.size(); ++disc) {
        if (Shape* bar = find(barSet(disc), name)) {
            return bar;
        }
    }
    return nullptr;
}

std::array<TextBox*, 9> Form1::numberInputs() {
    return numberInputsOf(*this);
}

std::array<const TextBox*, 9> Form1::numberInputs() const {
    return numberInputsOf(*this);
}

std::array<const TextBox*, 6> Form1::typedFields() const {
    return {&minutes, &audio1.count, &audio2.count, &extrasMb, &subtitlesMb, &overheadMb};
}

std::array<Shape*, 3> Form1::barSet(std::size_t disc) {
    return barSetOf(*this, disc);
}

std::array<const Shape*, 3> Form1::barSet(std::size_t disc) const {
    return barSetOf(*this, disc);
}

void Form1::showBarSet(std::size_t disc) {
    for (std::size_t set = 0; set < kDiscTypes.size(); ++set) {
        for (Shape* bar : barSet(set)) {
            bar->setVisible(set == disc);
        }
    }
}

} // namespace kelvaro
