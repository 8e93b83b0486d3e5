#include "invariant_checker.h"

#include "replay_backend.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace kelvaro {

namespace {

using Verb = SessionAction::Verb;
using Outcome = ReferenceCalculation::Outcome;

constexpr int kMostText1ChangesPerStep = 3;
constexpr double kBitrateCap = 9608;

// The fields that only the program writes, all read back as numbers.
const std::array<std::string, 14> kWrittenFields{
    "Text4",   "Text5",   "Text18",  "Text7",   "Text8",  "Text12", "Text13",
    "Label13", "Label22", "Label29", "Label26", "Text10", "Text11", "Text16"};

// What a calculation writes; nothing else may change these.
const std::array<std::string, 18> kResults{
    "Text4",        "Text5",        "Text18",       "Text7",        "Text8",        "Text12",
    "Text13",       "Label8",       "Label13",      "Label22",      "Label29",      "Label26",
    "Shape1.Width", "Shape2.Width", "Shape3.Width", "Shape6.Width", "Shape7.Width", "Shape8.Width"};

const std::array<std::string, 4> kResolutions{"720x576", "480x576", "352x576", "352x288"};
const std::array<const char*, 12> kRates{"0",  "12", "14", "16", "20", "24",
                                         "28", "32", "40", "48", "56", "192"};

bool continuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t characters(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !continuationByte(c); }));
}

std::string firstCharacters(const std::string& text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t seen = 0; end < text.size(); ++end) {
        if (!continuationByte(text[end]) && seen++ == count) {
            break;
        }
    }
    return text.substr(0, end);
}

std::string withoutLastCharacter(const std::string& text) {
    if (text.empty()) {
        return text;
    }
    std::size_t end = text.size() - 1;
    while (end > 0 && continuationByte(text[end])) {
        --end;
    }
    return text.substr(0, end);
}

bool showsInfinityOrNan(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

std::string quote(const std::string& text) {
    return "\"" + text + "\"";
}

bool isCalculationReport(const Report& report) {
    return report.reason == ReportReason::NotANumber ||
           report.reason == ReportReason::ZeroPlayingTime ||
           report.reason == ReportReason::CalculationFailed;
}

// Equal at 15 significant digits.
bool sameAt15Digits(double a, double b) {
    return ReferenceCalculation::text(a, '.') == ReferenceCalculation::text(b, '.');
}

} // namespace

InvariantChecker::InvariantChecker(Program& program)
    : program_(program), reference_(program.form.numbers) {
    program_.form.minutes.change.connect([this] { ++text1Changes_; });
    program_.form.minutesSlider.change.connect([this] { ++sliderChanges_; });
    program_.form.reports.onReport([this](const Report& report) {
        reports_.push_back(report);
        ++counts_.reports;
    });
}

InvariantChecker::Snapshot InvariantChecker::snapshotOf(const Program& program) {
    Snapshot snapshot;
    for (auto& [name, value] : dumpOf(program)) {
        snapshot[name] = value;
    }
    return snapshot;
}

std::string InvariantChecker::text(const std::string& name) const {
    return after_.at(name);
}

double InvariantChecker::number(const std::string& name) const {
    return program_.form.numbers.toDouble(text(name)).value_or(std::nan(""));
}

std::array<float, 6> InvariantChecker::widths() const {
    const Form1& f = program_.form;
    return {f.videoBars[0].width(), f.audio1.bars[0].width(), f.audio2.bars[0].width(),
            f.videoBars[1].width(), f.audio1.bars[1].width(), f.audio2.bars[1].width()};
}

bool InvariantChecker::calculationReported() const {
    return std::any_of(reports_.begin(), reports_.end(), isCalculationReport);
}

std::vector<std::string> InvariantChecker::checkStart() {
    failures_.clear();
    after_ = snapshotOf(program_);
    checkState();
    // The load handler's calculation, from the start texts.
    ReferenceCalculation::Result expected = reference_.run(program_.form, "00000", true);
    if (expected.outcome != Outcome::Done) {
        fail("the start-up calculation cannot succeed: " + expected.why);
    } else {
        checkSucceeded(expected);
    }
    if (text("Form1.Visible") != "1" || text("About.Visible") != "0") {
        fail("after start-up only Form1 is shown");
    }
    return failures_;
}

void InvariantChecker::beforeStep() {
    before_ = snapshotOf(program_);
    widthsBefore_ = widths();
    text1Changes_ = 0;
    sliderChanges_ = 0;
    reports_.clear();
}

std::vector<std::string> InvariantChecker::afterStep(const SessionAction& step) {
    failures_.clear();
    after_ = snapshotOf(program_);
    checkState();
    checkNesting();
    checkCalculation(step);
    checkStep(step);
    return failures_;
}

void InvariantChecker::checkState() {
    const Form1& f = program_.form;
    const bool form1 = f.window.visible(), about = program_.about.visible();
    if (program_.lifeCycle.ended() ? (form1 || about) : form1 == about) {
        fail("windows shown: Form1 " + std::to_string(form1) + ", About " + std::to_string(about) +
             (program_.lifeCycle.ended() ? " after the end" : ""));
    }
    const ScrollBar& slider = f.minutesSlider;
    if (slider.value() < slider.min() || slider.value() > slider.max()) {
        fail("HScroll1 holds " + std::to_string(slider.value()) + " outside " +
             std::to_string(slider.min()) + " to " + std::to_string(slider.max()));
    }
    const bool dualLayer =
        f.discType.listIndex() >= 0 && f.discType.itemData(f.discType.listIndex()) == 8;
    if (slider.max() != (dualLayer ? 960 : 620)) {
        fail("HScroll1's maximum " + std::to_string(slider.max()) + " does not fit the disc");
    }
    if (text("Text10") != (dualLayer ? "8347648" : "4596736")) {
        fail("Text10 " + quote(text("Text10")) + " is not the chosen disc's capacity");
    }
    const int audio1 = f.audio1.bitrate.listIndex(), audio2 = f.audio2.bitrate.listIndex();
    if (text("Text11") != (audio1 < 0 ? "16" : kRates[static_cast<std::size_t>(audio1)])) {
        fail("Text11 " + quote(text("Text11")) + " is not the rate of Combo2's choice");
    }
    if (text("Text16") != (audio2 < 0 ? "0" : kRates[static_cast<std::size_t>(audio2)])) {
        fail("Text16 " + quote(text("Text16")) + " is not the rate of Combo3's choice");
    }
    for (const auto& [name, limit] : {std::pair<std::string, std::size_t>{"Text1", 3},
                                      {"Text8", 5},
                                      {"Text12", 5},
                                      {"Text13", 5}}) {
        if (characters(text(name)) > limit) {
            fail(name + " " + quote(text(name)) + " is longer than " + std::to_string(limit));
        }
    }
    for (const std::string& name : kWrittenFields) {
        if (showsInfinityOrNan(text(name)) || !program_.form.numbers.toDouble(text(name))) {
            fail(name + " shows " + quote(text(name)) + ", which reads as no number");
        }
    }
    if (std::find(kResolutions.begin(), kResolutions.end(), text("Label8")) == kResolutions.end()) {
        fail("Label8 shows " + quote(text("Label8")));
    }
    for (float width : widths()) {
        if (!std::isfinite(width) || width < 0) {
            fail("a bar has the width " + std::to_string(width));
        }
    }
    const std::array<const Shape*, 6> bars{&f.videoBars[0], &f.audio1.bars[0], &f.audio2.bars[0],
                                           &f.videoBars[1], &f.audio1.bars[1], &f.audio2.bars[1]};
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (bars[i]->visible() != ((i >= 3) == dualLayer)) {
            fail(bars[i]->name() + " is " + (bars[i]->visible() ? "shown" : "hidden") +
                 " for the chosen disc");
        }
    }
}

void InvariantChecker::checkNesting() {
    if (text1Changes_ > kMostText1ChangesPerStep) {
        fail("Text1 changed " + std::to_string(text1Changes_) + " times in one step");
    }
    if (sliderChanges_ > 1) {
        fail("HScroll1 changed " + std::to_string(sliderChanges_) + " times in one step");
    }
}

void InvariantChecker::checkCalculation(const SessionAction& step) {
    const bool button = step.verb == Verb::Click && step.target == "Command1";
    const bool slider = sliderChanges_ > 0;
    if (button && slider) {
        fail("the button ran the slider's calculation too");
    }
    if (!button && !slider) {
        if (calculationReported()) {
            fail("a calculation was reported without one");
        }
        checkResultsUnchanged("without a calculation");
        return;
    }
    const ReferenceCalculation::Result expected =
        reference_.run(program_.form, before_.at("Label8"), slider);
    if (expected.outcome == Outcome::Done) {
        ++counts_.succeeded;
        checkSucceeded(expected);
    } else {
        ++counts_.refused;
        checkRefused(expected);
    }
}

void InvariantChecker::checkSucceeded(const ReferenceCalculation::Result& expected) {
    if (calculationReported()) {
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
    checkRelations();
}

// The relations between the results that hold after every calculation.
void InvariantChecker::checkRelations() {
    const double t1 = number("Text1"), t4 = number("Text4"), t7 = number("Text7"),
                 t8 = number("Text8");
    if (!(t8 <= kBitrateCap)) {
        fail("Text8 " + quote(text("Text8")) + " is above the cap");
    }
    if (!sameAt15Digits(t4, t1 * 60)) {
        fail("Text4 " + quote(text("Text4")) + " is not Text1 x 60");
    }
    const char sep = program_.form.numbers.separator();
    const auto cut = [sep](double value) {
        return firstCharacters(ReferenceCalculation::text(value, sep), 5);
    };
    if (text("Text12") != cut((t8 + 500) / 2) || text("Text13") != cut((t8 + 9800) / 2)) {
        fail("Text12 " + quote(text("Text12")) + " and Text13 " + quote(text("Text13")) +
             " do not follow from Text8 " + quote(text("Text8")));
    }
    const double average = t7 * 8 / t4;
    if (average >= kBitrateCap) {
        if (text("Text8") != "9608") {
            fail("an average of " + std::to_string(average) + " is not capped");
        }
        return;
    }
    // Without the cap the total is the disc's space less extras, half the
    // subtitles and the overhead, less what the cut took off the average.
    const double space =
        number("Text10") / 1024 - number("Text3") - number("Text14") / 2 - number("Text17");
    const double cutOff = (average - t8) * t4 / 8 / 1024;
    const double total = number("Label26");
    const double scale = std::fabs(number("Text10") / 1024) + std::fabs(number("Text3")) +
                         std::fabs(number("Text14") / 2) + std::fabs(number("Text17")) +
                         std::fabs(number("Label22")) + std::fabs(number("Label29")) +
                         std::fabs(average * t4 / 8 / 1024);
    if (!(std::fabs(total + cutOff - space) <= 1e-11 * scale + 1e-9)) {
        fail("Label26 " + quote(text("Label26")) + " is not the space left, " +
             ReferenceCalculation::text(space, '.') + " MB, less the cut " +
             ReferenceCalculation::text(cutOff, '.') + " MB");
    }
}

void InvariantChecker::checkRefused(const ReferenceCalculation::Result& expected) {
    std::vector<Report> refusals;
    std::copy_if(reports_.begin(), reports_.end(), std::back_inserter(refusals),
                 isCalculationReport);
    if (refusals.size() != 1) {
        fail("a calculation that cannot succeed (" +
             (expected.why.empty() ? std::string("bad input") : expected.why) + ") gave " +
             std::to_string(refusals.size()) + " reports");
    } else {
        const Report& report = refusals.front();
        std::vector<std::string> fields;
        ReportReason reason = ReportReason::CalculationFailed;
        if (expected.outcome == Outcome::NotANumber) {
            fields = expected.badFields;
            reason = ReportReason::NotANumber;
        } else if (expected.outcome == Outcome::ZeroPlayingTime) {
            fields = {"Text1"};
            reason = ReportReason::ZeroPlayingTime;
        }
        if (report.reason != reason || report.fields != fields) {
            std::string named;
            for (const std::string& field : report.fields) {
                named += ' ' + field;
            }
            fail("the refused calculation reported" + (named.empty() ? " nothing" : named) +
                 " for the wrong reason or fields");
        }
    }
    checkResultsUnchanged("after a refused calculation");
}

void InvariantChecker::checkResultsUnchanged(const char* why) {
    for (const std::string& name : kResults) {
        if (before_.at(name) != after_.at(name)) {
            fail(name + " changed from " + quote(before_.at(name)) + " to " +
                 quote(after_.at(name)) + " " + why);
        }
    }
    if (widths() != widthsBefore_) {
        fail(std::string("a bar's width changed ") + why);
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
    case Verb::Slide:
        if (before_.at("HScroll1.Value") == std::to_string(step.number)) {
            checkUnchangedBut({}, "a slide to the value the slider holds");
        } else if (text("HScroll1.Value") != std::to_string(step.number) ||
                   text("Text1") != std::to_string(step.number) || sliderChanges_ != 1) {
            fail("the slide to " + std::to_string(step.number) + " left the slider at " +
                 text("HScroll1.Value") + " and Text1 " + quote(text("Text1")));
        }
        break;
    case Verb::Click:
    case Verb::Close:
        if (step.target == "Command1") {
            checkUnchangedBut({kResults.begin(), kResults.end()}, "the calculation");
        } else if (step.target == "Command3") {
            checkUnchangedBut({"Form1.Visible", "About.Visible"}, "opening About");
            if (text("About.Visible") != "1") {
                fail("About is not shown");
            }
        } else if (step.target == "About.Command1" || step.target == "About") {
            checkUnchangedBut({"Form1.Visible", "About.Visible"}, "closing About");
            if (text("Form1.Visible") != "1") {
                fail("Form1 is not shown again");
            }
        } else if (step.target == "Command2" || step.target == "Form1") {
            if (!program_.lifeCycle.ended()) {
                fail("the program did not end");
            }
        }
        break;
    }
}

void InvariantChecker::checkTyping(const SessionAction& step) {
    const std::string& old = before_.at(step.target);
    const std::size_t limit = step.target == "Text1" ? 3 : 0;
    std::string typed = old;
    if (step.verb == Verb::Set) {
        typed = limit > 0 ? firstCharacters(step.text, limit) : step.text;
    } else if (step.verb == Verb::Keys) {
        if (limit == 0 || characters(old) < limit) {
            typed = old + step.text;
        }
    } else {
        typed = withoutLastCharacter(old);
    }
    if (typed == old) {
        if (text1Changes_ != 0) {
            fail("Text1 raised a change without one");
        }
        checkUnchangedBut({}, "an edit that changes no text");
        return;
    }
    if (step.target == "Text1") {
        checkPlayingTime(typed);
        return;
    }
    if (text(step.target) != typed) {
        fail(step.target + " shows " + quote(text(step.target)) + " where the user typed " +
             quote(typed));
    }
    checkUnchangedBut({step.target}, "typing into a field without its own effect");
}

// What the playing time's handler leaves for a new text of Text1.
void InvariantChecker::checkPlayingTime(const std::string& typed) {
    const Form1& f = program_.form;
    const std::string slider = text("HScroll1.Value");
    const std::string sliderBefore = before_.at("HScroll1.Value");
    if (typed.empty()) {
        if (text("Text1") != "1" || slider != "1") {
            fail("emptied Text1 shows " + quote(text("Text1")) + " with the slider at " + slider);
        }
        return;
    }
    const std::optional<std::int16_t> minutes = f.numbers.toInt16(typed);
    if (!minutes || !f.minutesSlider.accepts(*minutes)) {
        const bool reported =
            std::any_of(reports_.begin(), reports_.end(), [](const Report& report) {
                return report.fields == std::vector<std::string>{"Text1"} &&
                       (report.reason == ReportReason::NotAWholeNumber ||
                        report.reason == ReportReason::OutOfRange);
            });
        if (text("Text1") != typed || slider != sliderBefore || !reported) {
            fail("Text1 " + quote(typed) + " is no playing time, but the field shows " +
                 quote(text("Text1")) + ", the slider " + slider +
                 (reported ? "" : ", and nothing was reported"));
        }
        return;
    }
    const std::string value = std::to_string(*minutes);
    if (slider != value) {
        fail("Text1 " + quote(typed) + " left the slider at " + slider);
    } else if (sliderBefore == value && text("Text1") != typed) {
        fail("Text1 " + quote(typed) + " was rewritten as " + quote(text("Text1")) +
             " though the slider stayed");
    } else if (sliderBefore != value && text("Text1") != value) {
        fail("Text1 " + quote(typed) + " shows " + quote(text("Text1")) +
             " after the slider moved to " + value);
    }
}

void InvariantChecker::checkChoice(const SessionAction& step) {
    const ComboBox& combo = *program_.form.comboBox(step.target);
    if (combo.listIndex() != step.number ||
        text(step.target + ".Text") != combo.items()[static_cast<std::size_t>(step.number)].text) {
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
                                         const char* what) {
    for (const auto& [name, value] : before_) {
        if (std::find(changing.begin(), changing.end(), name) != changing.end()) {
            continue;
        }
        if (after_.at(name) != value) {
            fail(name + " changed from " + quote(value) + " to " + quote(after_.at(name)) + " by " +
                 what);
        }
    }
}

} // namespace kelvaro
