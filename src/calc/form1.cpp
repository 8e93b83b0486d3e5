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
    const std::array boxes{&Text1,  &Text2,  &Text3,  &Text4,  &Text5,  &Text6,  &Text7,
                           &Text8,  &Text9,  &Text10, &Text11, &Text12, &Text13, &Text14,
                           &Text15, &Text16, &Text17, &Text18, &Text19, &Text20};
    return find(boxes, name);
}

ComboBox* Form1::comboBox(std::string_view name) {
    return find(std::array{&Combo1, &Combo2, &Combo3}, name);
}

Label* Form1::label(std::string_view name) {
    return find(std::array{&Label8, &Label13, &Label22, &Label29, &Label26}, name);
}

Shape* Form1::shape(std::string_view name) {
    return find(std::array{&Shape1, &Shape2, &Shape3, &Shape6, &Shape7, &Shape8}, name);
}

} // namespace kelvaro
