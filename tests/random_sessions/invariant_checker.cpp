#include "session_run.h"

#include "reference_number_text.h"
#include "replay_backend.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <tuple>

namespace kelvaro {

namespace {

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

struct Refused {};

// Text1, 9, 11, 15, 16, 10, 3, 14 and 17 as the calculation reads them (0
// for no number), and the names of those that hold no number.
std::array<double, 9> inputsOf(const Form1& f, std::vector<std::string>& bad) {
    std::array<double, 9> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        const TextBox& input = *f.numberInputs()[i];
        const std::optional<double> value = f.numbers.toDouble(input.text());
        v[i] = value.value_or(0);
        if (!value) {
            bad.push_back(input.name());
        }
    }
    return v;
}

struct Expected {
    std::optional<Report> refusal{};            // the report of a refused run
    std::map<std::string, std::string> texts{}; // field or label: its text
    std::array<float, 6> widths{};              // the bars of kBars
};

// The reference calculation: what one run must leave, worked out step by
// step from the fields' texts the way the calculation is described. Each step
// reads the texts written before it, computes in double precision, left to
// right, and writes the value as text ("%.15G" with the locale's separator),
// cut to five characters in the result boxes. A run is refused when a field
// reads as no number, the playing time is zero, a value is not finite or its
// text reads as no number, a bar would be wider than single precision holds,
// or a result box would have to cut an exponent form. Label8 keeps its
// caption while the average lies between two thresholds.
Expected reference(const Form1& f, const std::string& label8Before, bool sliderPath) {
    std::vector<std::string> bad;
    const auto [t1, t9, t11, t15, t16, t10, t3, t14, t17] = inputsOf(f, bad);
    if (!bad.empty()) {
        return {Report{bad, ReportReason::NotANumber}};
    }
    if (t1 * 60 == 0) {
        return {Report{{"Text1"}, ReportReason::ZeroPlayingTime}};
    }
    Expected r{std::nullopt, {{"Label8", label8Before}}};
    // Writes value as the field holds it; the number its text reads as.
    const auto write = [&](const char* name, double value, bool resultBox = false) {
        std::string text = referenceNumberText(value, f.numbers.separator());
        // A cut that takes digits of an exponent gives another number, or none.
        if (!std::isfinite(value) ||
            (resultBox && text.size() > 5 && text.find('E') != std::string::npos)) {
            throw Refused{};
        }
        text = resultBox ? text.substr(0, 5) : text;
        const std::optional<double> back = f.numbers.toDouble(text);
        if (!back) {
            throw Refused{};
        }
        r.texts[name] = text;
        return *back;
    };
    const auto width = [](double twips) {
        if (twips > FLT_MAX) {
            throw Refused{};
        }
        return twips < 0 ? 0.0f : static_cast<float>(twips);
    };
    try {
        const double t4 = write("Text4", t1 * 60);
        const double t5 = write("Text5", t4 * t9 * t11), t18 = write("Text18", t4 * t15 * t16);
        const double l22 = write("Label22", t4 * t9 * t11 / 1024);
        const double l29 = write("Label29", t4 * t15 * t16 / 1024);
        const double t7 =
            write("Text7", t10 - t5 - t18 - t3 * 1024 - t14 * 1024 * 0.5 - t17 * 1024);
        double t8 = write("Text8", t7 * 8 / t4, true);
        if (t8 >= 9608) {
            t8 = write("Text8", 9608);
        }
        write("Text12", (t8 + 500) / 2, true);
        write("Text13", (t8 + 9800) / 2, true);
        // Each test that holds overrides the ones before it.
        for (const auto& [above, edge, resolution] :
             {std::tuple{true, 3200.0, "720x576"}, std::tuple{false, 2750.0, "480x576"},
              std::tuple{false, 1900.0, "352x576"}, std::tuple{false, 1300.0, "352x288"}}) {
            if (above ? t8 > edge : t8 < edge) {
                r.texts["Label8"] = resolution;
                t8 = write("Text8", t8, true);
            }
        }
        const double video = t4 * t8 / 8;
        const double l13 = write("Label13", (sliderPath ? std::fabs(video) : video) / 1024);
        write("Label26", video / 1024 + (t4 * t9 * t11 / 1024 + t4 * t15 * t16 / 1024));
        r.widths = {width(l13 / 4),   width(l22 / 4),   width(l29 / 4),
                    width(l13 / 7.4), width(l22 / 7.4), width(l29 / 7.4)};
    } catch (const Refused&) {
        return {Report{{}, ReportReason::CalculationFailed}};
    }
    return r;
}

} // namespace

// Extras that make the average land on the given one, and the calculation;
// with huge audio sizes they cancel those exactly. Nothing while a field the
// calculation reads holds no number.
std::vector<SessionAction> SessionRun::extrasFor(double average) {
    std::vector<std::string> bad;
    const auto [t1, t9, t11, t15, t16, t10, t3, t14, t17] = inputsOf(program_.form, bad);
    const double t4 = t1 * 60;
    const double extras =
        (t10 - t4 * t9 * t11 - t4 * t15 * t16 - t14 * 512 - t17 * 1024 - average * t4 / 8) / 1024;
    if (!bad.empty()) {
        return {};
    }
    return {{"set", "Text3", program_.form.numbers.toText(extras)}, {"click", "Command1"}};
}

SessionRun::SessionRun(char separator) : separator_(separator) {
    program_.form.minutes.change.connect([this] { ++text1Changes_; });
    program_.form.minutesSlider.change.connect([this] { ++sliderChanges_; });
    program_.form.reports.onReport([this](const Report& report) { reports_.push_back(report); });
}

void SessionRun::expect(bool holds, const std::string& what) {
    failures_ += holds ? "" : what + '\n';
}

void SessionRun::expectText(const std::string& name, const std::string& expected,
                            const std::string& why) {
    if (const std::string& shown = after_.at(name); shown != expected) {
        failures_ += name + " is \"" + shown + "\", not \"" + expected + "\": " + why + '\n';
    }
}

// The named entries of the state, or all but them, are as before the step.
void SessionRun::expectUnchanged(const std::vector<std::string>& names, bool allBut,
                                 const std::string& why) {
    for (const auto& [name, value] : before_) {
        if ((std::find(names.begin(), names.end(), name) != names.end()) != allBut) {
            expectText(name, value, "unchanged by " + why);
        }
    }
}

std::string SessionRun::checkStart() {
    beforeStep();
    after_ = before_;
    checkState();
    // The load handler's calculation, from the start texts.
    checkCalculation(false, form1_start::Label8);
    return failures_;
}

void SessionRun::beforeStep() {
    const StateDump dump = dumpOf(program_);
    before_ = {dump.begin(), dump.end()};
    text1Changes_ = sliderChanges_ = 0;
    reports_.clear();
}

std::string SessionRun::afterStep(const SessionAction& step) {
    const StateDump dump = dumpOf(program_);
    after_ = {dump.begin(), dump.end()};
    failures_.clear();
    checkState();
    expect(text1Changes_ <= 3 && sliderChanges_ <= 1, "the handlers nest too deep");
    const bool button = step.verb == "click" && step.target == "Command1";
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

void SessionRun::checkState() {
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

void SessionRun::checkCalculation(bool button, const std::string& label8Before) {
    const Expected expected = reference(program_.form, label8Before, !button);
    std::vector<Report> reports;
    std::copy_if(reports_.begin(), reports_.end(), std::back_inserter(reports),
                 isCalculationReport);
    if (expected.refusal) {
        expect(reports.size() == 1 && reports[0].reason == expected.refusal->reason &&
                   reports[0].fields == expected.refusal->fields,
               "a refused calculation was not reported once, for its reason and fields");
        expectUnchanged(kResults, false, "a refused calculation");
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

void SessionRun::checkStep(const SessionAction& step) {
    const std::string& target = step.target;
    if (step.verb == "set" || step.verb == "keys" || step.verb == "backspace") {
        checkTyping(step);
    } else if (step.verb == "choose") {
        checkChoice(step);
    } else if (step.verb == "edit") {
        expectText(target + ".Text", step.text, "the text edited");
        expectUnchanged({target + ".Text"}, true, "an edit of a list's text");
    } else if (step.verb == "slide" &&
               before_.at("HScroll1.Value") == std::to_string(step.number)) {
        expectUnchanged({}, true, "a slide to the value the slider holds");
    } else if (step.verb == "slide") {
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

// Text1 holds three characters, the other fields any number. A new text of
// Text1: the slider to 1 for none; a text that is no playing time reported
// and kept; else the slider follows, and a text that moved it is rewritten as
// its value.
void SessionRun::checkTyping(const SessionAction& step) {
    const std::string& old = before_.at(step.target);
    const std::size_t limit = step.target == "Text1" ? 3 : std::string::npos;
    std::string typed = old;
    if (step.verb == "set") {
        typed = firstCharacters(step.text, limit);
    } else if (step.verb == "keys" && characterCount(old) < limit) {
        typed = old + step.text;
    } else if (step.verb == "backspace") {
        typed = firstCharacters(old, characterCount(old) - 1);
    }
    if (typed == old) {
        expectUnchanged({}, true, "an edit that changes no text");
        return;
    }
    if (step.target != "Text1") {
        expectText(step.target, typed, "the text typed");
        expectUnchanged({step.target}, true, "typing into a field without its own effect");
        return;
    }
    const std::optional<std::int16_t> minutes = program_.form.numbers.toInt16(typed);
    const bool usable = minutes && program_.form.minutesSlider.accepts(*minutes);
    const std::string& before = before_.at("HScroll1.Value");
    const std::string slider = typed.empty() ? "1" : usable ? std::to_string(*minutes) : before;
    const std::string why = "Text1 typed as \"" + typed + "\"";
    expectText("HScroll1.Value", slider, why);
    expectText("Text1", typed.empty() || slider != before ? slider : typed, why);
    expect(usable || typed.empty() ||
               std::any_of(reports_.begin(), reports_.end(),
                           [](const Report& r) {
                               return r.fields == std::vector<std::string>{"Text1"} &&
                                      (r.reason == ReportReason::NotAWholeNumber ||
                                       r.reason == ReportReason::OutOfRange);
                           }),
           why + " is no playing time, but nothing was reported");
}

void SessionRun::checkChoice(const SessionAction& step) {
    const ComboBox& list = *program_.form.comboBox(step.target);
    expectText(step.target + ".ListIndex", std::to_string(step.number), "the choice");
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
    const std::string kept = std::stoi(value) > std::stoi(max) ? max : value;
    expectText("HScroll1.Value", kept, "the slider on another disc");
    expectText("Text1", kept == value ? before_.at("Text1") : max, "the slider on another disc");
}

} // namespace kelvaro
