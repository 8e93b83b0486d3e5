#include "invariant_checker.h"

#include "reference_calculation.h"
#include "replay_backend.h"

#include <algorithm>
#include <cstdlib>

namespace kelvaro {

namespace {

using Verb = SessionAction::Verb;

// Shape1 to 3 show on a single-layer disc, Shape6 to 8 on a dual-layer one.
const std::array<std::string, 6> kBars{"Shape1", "Shape2", "Shape3", "Shape6", "Shape7", "Shape8"};
// What a calculation writes.
const std::vector<std::string> kResults{
    "Text4",        "Text5",        "Text18",       "Text7",        "Text8",        "Text12",
    "Text13",       "Label8",       "Label13",      "Label22",      "Label29",      "Label26",
    "Shape1.Width", "Shape2.Width", "Shape3.Width", "Shape6.Width", "Shape7.Width", "Shape8.Width"};

bool isCalculationReport(const Report& r) {
    return r.reason == ReportReason::NotANumber || r.reason == ReportReason::ZeroPlayingTime ||
           r.reason == ReportReason::CalculationFailed;
}

} // namespace

InvariantChecker::InvariantChecker(Program& program) : program_(program) {
    program_.form.minutes.change.connect([this] { ++text1Changes_; });
    program_.form.minutesSlider.change.connect([this] { ++sliderChanges_; });
    program_.form.reports.onReport([this](const Report& report) { reports_.push_back(report); });
}

void InvariantChecker::expect(bool holds, const std::string& what) {
    failures_ += holds ? "" : what + '\n';
}

void InvariantChecker::expectText(const std::string& name, const std::string& expected,
                                  const std::string& why) {
    if (const std::string& shown = after_.at(name); shown != expected) {
        failures_ += name + " is \"" + shown + "\", not \"" + expected + "\": " + why + '\n';
    }
}

std::string InvariantChecker::checkStart() {
    beforeStep();
    after_ = before_;
    failures_.clear();
    checkState();
    expectText("Form1.Visible", "1", "start-up shows the main window");
    // The load handler's calculation, from the start texts.
    checkCalculation(false, form1_start::Label8);
    return failures_;
}

void InvariantChecker::beforeStep() {
    const StateDump dump = dumpOf(program_);
    before_ = {dump.begin(), dump.end()};
    text1Changes_ = sliderChanges_ = 0;
    reports_.clear();
}

std::string InvariantChecker::afterStep(const SessionAction& step) {
    const StateDump dump = dumpOf(program_);
    after_ = {dump.begin(), dump.end()};
    failures_.clear();
    checkState();
    expect(text1Changes_ <= 3 && sliderChanges_ <= 1, "the handlers nest too deep");
    const bool button = step.verb == Verb::Click && step.target == "Command1";
    if (button != (sliderChanges_ > 0)) {
        checkCalculation(button, before_.at("Label8"));
    } else {
        expect(std::none_of(reports_.begin(), reports_.end(), isCalculationReport),
               "a calculation was reported where none or two ran");
        expectUnchanged(kResults, false, "without a calculation");
    }
    checkStep(step);
    return failures_;
}

void InvariantChecker::checkState() {
    const Form1& f = program_.form;
    const bool form1 = f.window.visible(), about = program_.about.visible();
    expect(program_.lifeCycle.ended() ? !form1 && !about : form1 != about,
           "not exactly one window shown before the end, or one after it");
    const bool dualLayer = f.discType.listIndex() == 1;
    expectText("HScroll1.Max", dualLayer ? "960" : "620", "the longest playing time of the disc");
    expectText("Text10", dualLayer ? "8347648" : "4596736", "the capacity of the disc");
    for (std::size_t i = 0; i < kBars.size(); ++i) {
        expectText(kBars[i] + ".Visible", (i >= 3) == dualLayer ? "1" : "0", "the disc's bars");
    }
    // The rate of one track in KB/s: the item's kbit/s ("None": 0) over 8.
    for (const auto& [list, start, rate] :
         {std::tuple{&f.audio1.bitrate, form1_start::Combo2, "Text11"},
          std::tuple{&f.audio2.bitrate, form1_start::Combo3, "Text16"}}) {
        const int index = list->listIndex();
        const std::string item = index < 0 ? start : list->items()[std::size_t(index)].text;
        expectText(rate, std::to_string(std::atoi(item.c_str()) / 8), "the rate of " + item);
    }
}

void InvariantChecker::checkCalculation(bool button, const std::string& label8Before) {
    const auto expected = ReferenceCalculation::run(program_.form, label8Before, !button);
    std::vector<Report> reports;
    std::copy_if(reports_.begin(), reports_.end(), std::back_inserter(reports),
                 isCalculationReport);
    if (expected.refusal) {
        expect(reports.size() == 1 && reports[0].reason == expected.refusal->reason &&
                   reports[0].fields == expected.refusal->fields,
               "a refused calculation was not reported once, for its reason and fields");
        expectUnchanged(kResults, false, "by a refused calculation");
        return;
    }
    expect(reports.empty(), "a calculation that can succeed was refused");
    for (const auto& [name, value] : expected.texts) {
        expectText(name, value, "the calculation's result");
    }
    for (std::size_t i = 0; i < kBars.size(); ++i) {
        expect(program_.form.shape(kBars[i])->width() == expected.widths[i],
               kBars[i] + "'s width is not that of its caption");
    }
}

void InvariantChecker::checkStep(const SessionAction& step) {
    const std::string& target = step.target;
    if (step.verb == Verb::Set || step.verb == Verb::Keys || step.verb == Verb::Backspace) {
        checkTyping(step);
    } else if (step.verb == Verb::Choose) {
        checkChoice(step);
    } else if (step.verb == Verb::Edit) {
        expectText(target + ".Text", step.text, "the text edited");
        expectUnchanged({target + ".Text"}, true, "an edit of a list's text");
    } else if (step.verb == Verb::Slide &&
               before_.at("HScroll1.Value") == std::to_string(step.number)) {
        expectUnchanged({}, true, "a slide to the value the slider holds");
    } else if (step.verb == Verb::Slide) {
        expectText("HScroll1.Value", std::to_string(step.number), "the slide");
        expectText("Text1", std::to_string(step.number), "the slide");
    } else if (target == "Command1") {
        expectUnchanged(kResults, true, "the calculation");
    } else if (target == "Command3" || target == "About.Command1" || target == "About") {
        expectUnchanged({"Form1.Visible", "About.Visible"}, true, "opening or closing About");
        expectText(target == "Command3" ? "About.Visible" : "Form1.Visible", "1", target);
    } else {
        expect(program_.lifeCycle.ended(), target + " did not end the program");
    }
}

void InvariantChecker::checkTyping(const SessionAction& step) {
    const std::string& old = before_.at(step.target);
    // Text1 holds three characters, the other fields any number.
    const std::size_t limit = step.target == "Text1" ? 3 : std::string::npos;
    std::string typed = old;
    if (step.verb == Verb::Set) {
        typed = firstCharacters(step.text, limit);
    } else if (step.verb == Verb::Keys && characterCount(old) < limit) {
        typed = old + step.text;
    } else if (step.verb == Verb::Backspace) {
        typed = firstCharacters(old, characterCount(old) - 1);
    }
    if (typed == old) {
        expectUnchanged({}, true, "an edit that changes no text");
    } else if (step.target == "Text1") {
        checkPlayingTime(typed);
    } else {
        expectText(step.target, typed, "the text typed");
        expectUnchanged({step.target}, true, "typing into a field without its own effect");
    }
}

// What the playing time's handler leaves for a new text of Text1: "1" for
// none; a text that is no playing time reported and kept; else the slider
// follows, and a text that moved it is rewritten as its value.
void InvariantChecker::checkPlayingTime(const std::string& typed) {
    const std::optional<std::int16_t> minutes = program_.form.numbers.toInt16(typed);
    const bool usable = minutes && program_.form.minutesSlider.accepts(*minutes);
    const std::string& before = before_.at("HScroll1.Value");
    const std::string slider = typed.empty() ? "1" : usable ? std::to_string(*minutes) : before;
    const std::string why = "Text1 typed as \"" + typed + "\"";
    expectText("HScroll1.Value", slider, why);
    expectText("Text1", typed.empty() || slider != before ? slider : typed, why);
    expect(usable || typed.empty() ||
               std::any_of(reports_.begin(), reports_.end(),
                           [](auto& r) {
                               return r.fields == std::vector<std::string>{"Text1"} &&
                                      (r.reason == ReportReason::NotAWholeNumber ||
                                       r.reason == ReportReason::OutOfRange);
                           }),
           why + " is no playing time, but nothing was reported");
}

void InvariantChecker::checkChoice(const SessionAction& step) {
    const ComboBox& list = *program_.form.comboBox(step.target);
    expect(list.listIndex() == step.number, step.target + " did not choose its item");
    expectText(step.target + ".Text", list.items()[std::size_t(step.number)].text, "the choice");
    if (step.target != "Combo1") {
        const std::string rate = step.target == "Combo2" ? "Text11" : "Text16";
        expectUnchanged({step.target + ".ListIndex", step.target + ".Text", rate}, true,
                        "an audio choice");
        return;
    }
    expectText("Text17", "80", "the overhead of a disc");
    // The slider keeps its value unless that lies beyond the disc's longest.
    const std::string& value = before_.at("HScroll1.Value");
    const std::string& max = after_.at("HScroll1.Max");
    const bool beyond = std::stoi(value) > std::stoi(max);
    expectText("HScroll1.Value", beyond ? max : value, "the slider on another disc");
    expectText("Text1", beyond ? max : before_.at("Text1"), "the slider on another disc");
}

// The named entries of the state, or all but them, are as before the step.
void InvariantChecker::expectUnchanged(const std::vector<std::string>& names, bool allBut,
                                       const std::string& why) {
    for (const auto& [name, value] : before_) {
        if ((std::find(names.begin(), names.end(), name) != names.end()) != allBut) {
            expectText(name, value, "unchanged by " + why);
        }
    }
}

} // namespace kelvaro
