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
    return find(std::array{&videoBars[0], &audio1.bars[0], &audio2.bars[0], &videoBars[1],
                           &audio1.bars[1], &audio2.bars[1]},
                name);
}

} // namespace kelvaro
