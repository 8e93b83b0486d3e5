#include "replay_backend.h"

#include "runtime/continuation_byte.h"

#include <cstdio>

namespace kelvaro {

namespace {

std::string flag(bool value) {
    return value ? "1" : "0";
}

std::string twips(float width) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(width));
    return buffer;
}

} // namespace

StateDump dumpOf(const Program& program) {
    const Form1& f = program.form;
    StateDump out{
        {"Form1.Visible", flag(f.window.visible())},
        {"About.Visible", flag(program.about.visible())},
        {"Text1", f.Text1.text()},
        {"HScroll1.Value", std::to_string(f.HScroll1.value())},
        {"HScroll1.Max", std::to_string(f.HScroll1.max())},
    };
    for (const ComboBox* combo : {&f.Combo1, &f.Combo2, &f.Combo3}) {
        out.emplace_back(combo->name() + ".ListIndex", std::to_string(combo->listIndex()));
        out.emplace_back(combo->name() + ".Text", combo->text());
    }
    for (const TextBox* box :
         {&f.Text9, &f.Text11, &f.Text15, &f.Text16, &f.Text10, &f.Text3, &f.Text14, &f.Text17,
          &f.Text4, &f.Text5, &f.Text18, &f.Text7, &f.Text8, &f.Text12, &f.Text13}) {
        out.emplace_back(box->name(), box->text());
    }
    for (const Label* label : {&f.Label8, &f.Label13, &f.Label22, &f.Label29, &f.Label26}) {
        out.emplace_back(label->name(), label->caption());
    }
    for (const Shape* shape : {&f.Shape1, &f.Shape2, &f.Shape3, &f.Shape6, &f.Shape7, &f.Shape8}) {
        out.emplace_back(shape->name() + ".Width", twips(shape->width()));
        out.emplace_back(shape->name() + ".Visible", flag(shape->visible()));
    }
    return out;
}

std::vector<std::string> charactersOf(const std::string& text) {
    std::vector<std::string> characters;
    for (char c : text) {
        if (isContinuationByte(c) && !characters.empty()) {
            characters.back() += c;
        } else {
            characters.emplace_back(1, c);
        }
    }
    return characters;
}

} // namespace kelvaro
