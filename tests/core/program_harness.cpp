#include "program_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace kelvaro::test {

namespace {

const char* const kResultNames[] = {"Text4",  "Text5",  "Text18",  "Text7",   "Text8",   "Text12",
                                    "Text13", "Label8", "Label13", "Label22", "Label29", "Label26",
                                    "Shape1", "Shape2", "Shape3",  "Shape6",  "Shape7",  "Shape8"};

std::vector<std::pair<std::string, std::string>> parse(std::string_view fields) {
    std::vector<std::pair<std::string, std::string>> parsed;
    while (!fields.empty()) {
        const std::size_t end = std::min(fields.find(' '), fields.size());
        const std::string_view field = fields.substr(0, end);
        fields.remove_prefix(std::min(end + 1, fields.size()));
        if (field.empty()) {
            continue;
        }
        const std::size_t equals = field.find('=');
        parsed.emplace_back(field.substr(0, equals), field.substr(equals + 1));
    }
    return parsed;
}

std::string twips(float width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6f", static_cast<double>(width));
    return buffer;
}

} // namespace

ProgramHarness::ProgramHarness(char separator, bool startNow)
    : program(NumberFormat(separator)), form(program.form) {
    form.HScroll1.change.connect([this] { ++recalculations; });
    form.reports.onReport([this](const Report& report) { reports.push_back(report); });
    program.lifeCycle.programEnded.connect([this] { ++programEnds; });
    if (startNow) {
        start();
    }
}

void ProgramHarness::setFields(std::string_view fields) {
    for (const auto& [name, text] : parse(fields)) {
        form.textBox(name)->setText(text);
    }
}

void ProgramHarness::expectFields(std::string_view fields) {
    FormState now = state();
    for (const auto& [name, text] : parse(fields)) {
        ASSERT_EQ(now.count(name), 1u) << name;
        EXPECT_EQ(now[name], text) << name;
    }
}

void ProgramHarness::resetCounts() {
    recalculations = 0;
    reports.clear();
}

FormState ProgramHarness::state() {
    FormState state;
    for (int i = 1; i <= 20; ++i) {
        const std::string name = "Text" + std::to_string(i);
        state[name] = form.textBox(name)->text();
    }
    for (const char* name : {"Label8", "Label13", "Label22", "Label29", "Label26"}) {
        state[name] = form.label(name)->caption();
    }
    for (const char* name : {"Shape1", "Shape2", "Shape3", "Shape6", "Shape7", "Shape8"}) {
        state[name] = twips(form.shape(name)->width());
        state[std::string(name) + ".Visible"] = form.shape(name)->visible() ? "1" : "0";
    }
    for (const char* name : {"Combo1", "Combo2", "Combo3"}) {
        state[name] = form.comboBox(name)->text();
        state[std::string(name) + ".ListIndex"] = std::to_string(form.comboBox(name)->listIndex());
    }
    state["HScroll1.Value"] = std::to_string(form.HScroll1.value());
    state["HScroll1.Max"] = std::to_string(form.HScroll1.max());
    state["Form1.Visible"] = form.window.visible() ? "1" : "0";
    state["About.Visible"] = program.about.visible() ? "1" : "0";
    return state;
}

FormState ProgramHarness::results() {
    FormState all = state();
    FormState results;
    for (const char* name : kResultNames) {
        results[name] = all[name];
    }
    return results;
}

} // namespace kelvaro::test
