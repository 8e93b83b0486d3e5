#include "core_backend.h"

#include <utility>

namespace kelvaro {

CoreBackend::CoreBackend(NumberFormat numbers) : program_(std::move(numbers)) {
    program_.start();
}

void CoreBackend::set(const std::string& field, const std::string& text) {
    program_.form.textBox(field)->setText(text);
}

void CoreBackend::keys(const std::string& field, const std::string& text) {
    for (const std::string& character : charactersOf(text)) {
        program_.form.textBox(field)->typeAtEnd(character);
    }
}

void CoreBackend::backspace(const std::string& field, int times) {
    for (int i = 0; i < times; ++i) {
        program_.form.textBox(field)->backspace();
    }
}

void CoreBackend::choose(const std::string& combo, int index) {
    program_.form.comboBox(combo)->choose(index);
}

void CoreBackend::edit(const std::string& combo, const std::string& text) {
    program_.form.comboBox(combo)->editText(text);
}

void CoreBackend::slide(int value) {
    program_.form.minutesSlider.setValue(value);
}

void CoreBackend::click(const std::string& button) {
    auto& life = program_.lifeCycle;
    if (button == "Command1") {
        program_.calculation.Form1_Command1_Click();
    } else if (button == "Command2") {
        life.Form1_Command2_Click();
    } else if (button == "Command3") {
        life.Form1_Command3_Click();
    } else {
        life.About_Command1_Click();
    }
}

void CoreBackend::close(const std::string& window) {
    if (window == "Form1") {
        program_.lifeCycle.closeForm1();
    } else {
        program_.lifeCycle.closeAbout();
    }
}

} // namespace kelvaro
