#include "invariant_checker.h"

#include "replay_backend.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace kelvaro {

namespace {

using Verb = SessionAction::Verb;
using Outcome = ReferenceCalculation::Outcome;

constexpr double kBitrateCap = 9608;

// What a calculation writes besides the bars' widths; nothing else may
// change these.
const std::vector<std::string> kResults{"Text4",   "Text5",   "Text18",  "Text7",
                                        "Text8",   "Text12",  "Text13",  "Label8",
                                        "Label13", "Label22", "Label29", "Label26"};
// Shape1 to 3 show on a single-layer disc, Shape6 to 8 on a dual-layer one.
const std::array<std::string, 6> kBars{"Shape1", "Shape2", "Shape3", "Shape6", "Shape7", "Shape8"};

std::string quote(const std::string& text) {
    return '"' + text + '"';
}

bool isCalculationReport(const Report& report) {
    return report.reason == ReportReason::NotANumber ||
           report.reason == ReportReason::ZeroPlayingTime ||
           report.reason == ReportReason::CalculationFailed;
}

} // namespace

InvariantChecker::InvariantChecker(Program& program)
    : program_(program), reference_(program.form.numbers) {
    program_.form.Text1.change.connect([this] { ++text1Changes_; });
    program_.form.HScroll1.change.connect([this] { ++sliderChanges_; });
    program_.form.reports.onReport([this](const Report& report) { reports_.push_back(report); });
}

InvariantChecker::Snapshot InvariantChecker::snapshot() const {
    const StateDump dump = dumpOf(program_);
    return Snapshot(dump.begin(), dump.end());
}

double InvariantChecker::number(const std::string& name) const {
    return program_.form.numbers.toDouble(text(name)).value_or(std::nan(""));
}

std::array<float, 6> InvariantChecker::widths() const {
    std::array<float, 6> widths{};
    for (std::size_t i = 0; i < kBars.size(); ++i) {
        widths[i] = program_.form.shape(kBars[i])->width();
    }
    return widths;
}

std::vector<Report> InvariantChecker::calculationReports() const {
    std::vector<Report> reports;
    std::copy_if(reports_.begin(), reports_.end(), std::back_inserter(reports),
                 isCalculationReport);
    return reports;
}

std::string InvariantChecker::checkStart() {
    failures_.clear();
    after_ = snapshot();
    checkState();
    if (text("Form1.Visible") != "1") {
        fail("Form1 is not shown after start-up");
    }
    // The load handler's calculation, from the start texts.
    const auto expected = reference_.run(program_.form, form1_start::Label8, true);
    if (expected.outcome != Outcome::Done) {
        fail("the start-up calculation cannot succeed");
    } else {
        checkSucceeded(expected);
    }
    return failures_;
}

void InvariantChecker::beforeStep() {
    before_ = snapshot();
    widthsBefore_ = widths();
    text1Changes_ = 0;
    sliderChanges_ = 0;
    reports_.clear();
}

std::string InvariantChecker::afterStep(const SessionAction& step) {
    failures_.clear();
    after_ = snapshot();
    checkState();
    if (text1Changes_ > 3 || sliderChanges_ > 1) {
        fail("Text1 changed " + std::to_string(text1Changes_) + " times and HScroll1 " +
             std::to_string(sliderChanges_) + " times in one step");
    }
    checkCalculation(step);
    checkStep(step);
    return failures_;
}

void InvariantChecker::checkState() {
    const Form1& f = program_.form;
    const bool form1 = f.window.visible(), about = program_.about.visible();
    const bool ended = program_.lifeCycle.ended();
    if (ended ? (form1 || about) : form1 == about) {
        fail("windows shown: Form1 " + text("Form1.Visible") + ", About " + text("About.Visible") +
             (ended ? " after the end" : ""));
    }
    const bool dualLayer = f.Combo1.listIndex() == 1;
    if (!f.HScroll1.accepts(f.HScroll1.value()) || f.HScroll1.max() != (dualLayer ? 960 : 620)) {
        fail("HScroll1 holds " + text("HScroll1.Value") + " up to " + text("HScroll1.Max"));
    }
    if (text("Text10") != (dualLayer ? "8347648" : "4596736")) {
        fail("Text10 " + quote(text("Text10")) + " is not the chosen disc's capacity");
    }
    checkRate(f.Combo2, form1_start::Combo2, "Text11");
    checkRate(f.Combo3, form1_start::Combo3, "Text16");
    for (std::size_t i = 0; i < kBars.size(); ++i) {
        if (text(kBars[i] + ".Visible") != ((i >= 3) == dualLayer ? "1" : "0")) {
            fail(kBars[i] + ".Visible is " + text(kBars[i] + ".Visible") + " for the chosen disc");
        }
    }
}

// The rate of one track in KB/s: the item's kbit/s ("None": 0) over 8.
void InvariantChecker::checkRate(const ComboBox& list, const char* startItem,
                                 const std::string& rate) {
    const std::string item = list.listIndex() < 0
                                 ? startItem
                                 : list.items()[static_cast<std::size_t>(list.listIndex())].text;
    if (text(rate) != std::to_string(std::atoi(item.c_str()) / 8)) {
        fail(rate + " " + quote(text(rate)) + " is not the rate of " + quote(item));
    }
}

void InvariantChecker::checkCalculation(const SessionAction& step) {
    const bool button = step.verb == Verb::Click && step.target == "Command1";
    const bool slider = sliderChanges_ > 0;
    if (button && slider) {
        fail("the button ran the slider's calculation too");
    }
    if (!button && !slider) {
        if (!calculationReports().empty()) {
            fail("a calculation was reported without one");
        }
        checkResultsUnchanged("without a calculation");
        return;
    }
    const auto expected = reference_.run(program_.form, before_.at("Label8"), slider);
    if (expected.outcome == Outcome::Done) {
        checkSucceeded(expected);
    } else {
        checkRefused(expected);
    }
}

void InvariantChecker::checkSucceeded(const ReferenceCalculation::Result& expected) {
    if (!calculationReports().empty()) {
        fail("a calculation that can succeed was refused");
        return;
    }
    for (const auto& [name, value] : expected.texts) {
        if (text(name) != value) {
            fail(name + " is " + quote(text(name)) + ", the calculation gives " + quote(value));
        }
    }
    if (widths() != expected.widths) {
        fail("the bar widths are not those of the captions");
    }
    checkSpaceLeft();
}

// Below the cap, video and audio fill the disc's space less extras, half the
// subtitles and the overhead, less what the cut of the average took off.
void InvariantChecker::checkSpaceLeft() {
    const double t4 = number("Text4"), t8 = number("Text8"), average = number("Text7") * 8 / t4;
    if (!(t8 <= kBitrateCap)) {
        fail("Text8 " + quote(text("Text8")) + " is above the cap");
    }
    if (average >= kBitrateCap) {
        return;
    }
    const double space =
        number("Text10") / 1024 - number("Text3") - number("Text14") / 2 - number("Text17");
    const double cutOff = (average - t8) * t4 / 8 / 1024;
    double scale = std::fabs(number("Text10") / 1024) + std::fabs(number("Text14") / 2) +
                   std::fabs(average * t4 / 8 / 1024);
    for (const char* name : {"Text3", "Text17", "Label22", "Label29"}) {
        scale += std::fabs(number(name));
    }
    if (!(std::fabs(number("Label26") + cutOff - space) <= 1e-11 * scale + 1e-9)) {
        fail("Label26 " + quote(text("Label26")) + " is not the space left less the cut");
    }
}

void InvariantChecker::checkRefused(const ReferenceCalculation::Result& expected) {
    std::vector<std::string> fields;
    ReportReason reason = ReportReason::CalculationFailed;
    if (expected.outcome == Outcome::NotANumber) {
        fields = expected.badFields;
        reason = ReportReason::NotANumber;
    } else if (expected.outcome == Outcome::ZeroPlayingTime) {
        fields = {"Text1"};
        reason = ReportReason::ZeroPlayingTime;
    }
    const std::vector<Report> refusals = calculationReports();
    if (refusals.size() != 1 || refusals.front().reason != reason ||
        refusals.front().fields != fields) {
        fail("a calculation that cannot succeed gave " + std::to_string(refusals.size()) +
             " reports, or one of the wrong reason or fields");
    }
    checkResultsUnchanged("after a refused calculation");
}

void InvariantChecker::checkResultsUnchanged(const std::string& why) {
    for (const std::string& name : kResults) {
        if (before_.at(name) != text(name)) {
            fail(name + " changed from " + quote(before_.at(name)) + " to " + quote(text(name)) +
                 " " + why);
        }
    }
    if (widths() != widthsBefore_) {
        fail("a bar's width changed " + why);
    }
}

void InvariantChecker::checkStep(const SessionAction& step) {
    switch (step.verb) {
    case Verb::Set:
    case Verb::Keys:
    case Verb::Backspace:
        checkTyping(step);
        break;
    case Verb::Choose:
        checkChoice(step);
        break;
    case Verb::Edit:
        if (text(step.target + ".Text") != step.text) {
            fail(step.target + " shows " + quote(text(step.target + ".Text")) + " after an edit");
        }
        checkUnchangedBut({step.target + ".Text"}, "an edit of a list's text");
        break;
    case Verb::Slide: {
        const std::string value = std::to_string(step.number);
        if (before_.at("HScroll1.Value") == value) {
            checkUnchangedBut({}, "a slide to the value the slider holds");
        } else if (text("HScroll1.Value") != value || text("Text1") != value ||
                   sliderChanges_ != 1) {
            fail("the slide to " + value + " left the slider at " + text("HScroll1.Value") +
                 " and Text1 " + quote(text("Text1")));
        }
        break;
    }
    case Verb::Click:
    case Verb::Close:
        checkClick(step.target);
        break;
    }
}

void InvariantChecker::checkClick(const std::string& target) {
    if (target == "Command1") {
        std::vector<std::string> results = kResults;
        for (const std::string& bar : kBars) {
            results.push_back(bar + ".Width");
        }
        checkUnchangedBut(results, "the calculation");
    } else if (target == "Command3" || target == "About.Command1" || target == "About") {
        checkUnchangedBut({"Form1.Visible", "About.Visible"}, "opening or closing About");
        if (text(target == "Command3" ? "About.Visible" : "Form1.Visible") != "1") {
            fail(target + " did not show the other window");
        }
    } else if (!program_.lifeCycle.ended()) {
        fail(target + " did not end the program");
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
        if (text1Changes_ != 0) {
            fail("Text1 raised a change without one");
        }
        checkUnchangedBut({}, "an edit that changes no text");
    } else if (step.target == "Text1") {
        checkPlayingTime(typed);
    } else {
        if (text(step.target) != typed) {
            fail(step.target + " shows " + quote(text(step.target)) + " where the user typed " +
                 quote(typed));
        }
        checkUnchangedBut({step.target}, "typing into a field without its own effect");
    }
}

// What the playing time's handler leaves for a new text of Text1.
void InvariantChecker::checkPlayingTime(const std::string& typed) {
    const std::string& slider = text("HScroll1.Value");
    const std::string& sliderBefore = before_.at("HScroll1.Value");
    if (typed.empty()) {
        if (text("Text1") != "1" || slider != "1") {
            fail("emptied Text1 shows " + quote(text("Text1")) + " with the slider at " + slider);
        }
        return;
    }
    const std::optional<std::int16_t> minutes = program_.form.numbers.toInt16(typed);
    if (!minutes || !program_.form.HScroll1.accepts(*minutes)) {
        const bool reported = std::any_of(reports_.begin(), reports_.end(), [](const Report& r) {
            return r.fields == std::vector<std::string>{"Text1"} &&
                   (r.reason == ReportReason::NotAWholeNumber ||
                    r.reason == ReportReason::OutOfRange);
        });
        if (text("Text1") != typed || slider != sliderBefore || !reported) {
            fail("Text1 " + quote(typed) + " is no playing time, but the field shows " +
                 quote(text("Text1")) + ", the slider " + slider +
                 (reported ? "" : ", and nothing was reported"));
        }
        return;
    }
    // The slider follows; a text it moved is rewritten as the slider's value.
    const std::string value = std::to_string(*minutes);
    const std::string shown = sliderBefore == value ? typed : value;
    if (slider != value || text("Text1") != shown) {
        fail("Text1 " + quote(typed) + " shows " + quote(text("Text1")) + " with the slider at " +
             slider);
    }
}

void InvariantChecker::checkChoice(const SessionAction& step) {
    const ComboBox& list = *program_.form.comboBox(step.target);
    if (list.listIndex() != step.number ||
        text(step.target + ".Text") != list.items()[static_cast<std::size_t>(step.number)].text) {
        fail(step.target + " does not show item " + std::to_string(step.number));
    }
    if (step.target != "Combo1") {
        const std::string rate = step.target == "Combo2" ? "Text11" : "Text16";
        checkUnchangedBut({step.target + ".ListIndex", step.target + ".Text", rate},
                          "an audio choice");
        return;
    }
    if (text("Text17") != "80") {
        fail("choosing a disc left Text17 " + quote(text("Text17")));
    }
    const bool moved = text("HScroll1.Value") != before_.at("HScroll1.Value");
    const bool mustMove = std::stoi(before_.at("HScroll1.Value")) > std::stoi(text("HScroll1.Max"));
    if (moved != mustMove || (moved && text("Text1") != text("HScroll1.Value"))) {
        fail("choosing a disc moved the slider from " + before_.at("HScroll1.Value") + " to " +
             text("HScroll1.Value") + " with the maximum " + text("HScroll1.Max"));
    }
}

// Nothing of the state changed apart from the named entries.
void InvariantChecker::checkUnchangedBut(const std::vector<std::string>& changing,
                                         const std::string& what) {
    for (const auto& [name, value] : before_) {
        if (std::find(changing.begin(), changing.end(), name) == changing.end() &&
            text(name) != value) {
            fail(name + " changed from " + quote(value) + " to " + quote(text(name)) + " by " +
                 what);
        }
    }
}

} // namespace kelvaro
