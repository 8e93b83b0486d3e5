#include "program_harness.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

using test::FormState;
using test::ProgramHarness;

TEST(StartUp, OneRecalculationNoClickNoTextChange) {
    ProgramHarness h(',', false);
    int text1Changes = 0;
    int clicks = 0;
    h.form.Text1.change.connect([&] { ++text1Changes; });
    for (ComboBox* list : {&h.form.Combo1, &h.form.Combo2, &h.form.Combo3}) {
        list->click.connect([&] { ++clicks; });
    }
    h.start();
    EXPECT_EQ(h.recalculations, 1);
    EXPECT_EQ(text1Changes, 0); // the slider writes back the "120" already there
    EXPECT_EQ(clicks, 0);
}

// How often one user action runs the slider's recalculation and changes
// Text1, however the handlers nest: a rewrite that changes nothing runs
// nothing.
struct CountRow {
    const char* name;
    std::function<void(Form1&)> prepare;
    std::function<void(Form1&)> act;
    const char* text1;
    int recalculations;
    int text1Changes;
};

class EventCount : public ::testing::TestWithParam<CountRow> {};

TEST_P(EventCount, EachHandlerRunsOnceAtMost) {
    const CountRow& row = GetParam();
    ProgramHarness h(',');
    row.prepare(h.form);
    int text1Changes = 0;
    h.form.Text1.change.connect([&] { ++text1Changes; });
    h.resetCounts();
    row.act(h.form);
    EXPECT_EQ(h.form.Text1.text(), row.text1);
    EXPECT_EQ(h.recalculations, row.recalculations);
    EXPECT_EQ(text1Changes, row.text1Changes);
}

const auto kNothing = [](Form1&) {};

INSTANTIATE_TEST_SUITE_P(
    Rows, EventCount,
    ::testing::Values(
        CountRow{"slider_moved", kNothing, [](Form1& f) { f.HScroll1.setValue(90); }, "90", 1, 1},
        CountRow{"slider_set_to_its_value", kNothing, [](Form1& f) { f.HScroll1.setValue(120); },
                 "120", 0, 0},
        CountRow{"maximum_lowered_below_the_value",
                 [](Form1& f) {
                     f.Combo1.choose(1);
                     f.HScroll1.setValue(900);
                 },
                 [](Form1& f) { f.Combo1.choose(0); }, "620", 1, 1},
        CountRow{"disc_chosen_below_the_maximum", kNothing, [](Form1& f) { f.Combo1.choose(1); },
                 "120", 0, 0},
        CountRow{"backspace", kNothing, [](Form1& f) { f.Text1.backspace(); }, "12", 1, 1},
        CountRow{"backspace_to_empty_refills_1", [](Form1& f) { f.Text1.setText("1"); },
                 [](Form1& f) { f.Text1.backspace(); }, "1", 0, 2},
        CountRow{"digit_typed", [](Form1& f) { f.Text1.setText("19"); },
                 [](Form1& f) { f.Text1.typeAtEnd("0"); }, "190", 1, 1},
        CountRow{"digit_refused_by_the_full_box", kNothing,
                 [](Form1& f) { f.Text1.typeAtEnd("5"); }, "120", 0, 0},
        CountRow{"leading_zero_rewritten", kNothing, [](Form1& f) { f.Text1.setText("090"); }, "90",
                 1, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// The playing time typed or pasted into Text1 (comma locale), for the texts
// no golden script types, over a bad text whose mark only a usable playing
// time clears, also one the slider already holds.

struct Text1Row {
    const char* name;
    std::int16_t sliderBefore;
    const char* text;
    const char* held;
    std::int16_t slider;
    int recalculations;
    std::optional<ReportReason> reported;
};

class PlayingTimeText : public ::testing::TestWithParam<Text1Row> {};

TEST_P(PlayingTimeText, SliderFollowsOrTheTextIsReported) {
    const Text1Row& row = GetParam();
    ProgramHarness h(',');
    h.form.HScroll1.setValue(row.sliderBefore);
    h.form.Text1.setText("x"); // marked until it holds a usable playing time
    ASSERT_TRUE(h.form.reports.isMarked("Text1"));
    const FormState results = h.results();
    h.resetCounts();
    h.form.Text1.setText(row.text);
    EXPECT_EQ(h.form.reports.isMarked("Text1"), row.reported.has_value());
    EXPECT_EQ(h.form.Text1.text(), row.held);
    EXPECT_EQ(h.form.HScroll1.value(), row.slider);
    EXPECT_EQ(h.recalculations, row.recalculations);
    if (row.reported) {
        ASSERT_EQ(h.reports.size(), 1u);
        EXPECT_EQ(h.reports[0].fields, std::vector<std::string>{"Text1"});
        EXPECT_EQ(h.reports[0].reason, *row.reported);
    } else {
        EXPECT_TRUE(h.reports.empty());
    }
    if (row.recalculations == 0) {
        EXPECT_EQ(h.results(), results);
    } else {
        EXPECT_EQ(h.form.Text4.text(), std::to_string(row.slider * 60));
    }
}

constexpr auto kNotWhole = ReportReason::NotAWholeNumber;
constexpr auto kOutOfRange = ReportReason::OutOfRange;

INSTANTIATE_TEST_SUITE_P(
    Rows, PlayingTimeText,
    ::testing::Values(Text1Row{"replaced_by_9", 120, "9", "9", 9, 1, std::nullopt},
                      Text1Row{"leading_blank", 120, " 90", "90", 90, 1, std::nullopt},
                      Text1Row{"exponent_of_slider_value", 100, "1E2", "1E2", 100, 0, std::nullopt},
                      Text1Row{"letters", 120, "abc", "abc", 120, 0, kNotWhole},
                      Text1Row{"blank_is_not_empty", 120, " ", " ", 120, 0, kNotWhole},
                      Text1Row{"lone_sign", 120, "-", "-", 120, 0, kNotWhole},
                      Text1Row{"lone_separator", 120, ",", ",", 120, 0, kNotWhole},
                      Text1Row{"beyond_16_bits", 120, "1E5", "1E5", 120, 0, kNotWhole},
                      Text1Row{"zero_below_minimum", 120, "0", "0", 120, 0, kOutOfRange},
                      Text1Row{"rounds_to_zero", 120, "0,4", "0,4", 120, 0, kOutOfRange},
                      Text1Row{"above_maximum", 120, "700", "700", 120, 0, kOutOfRange}),
    [](const auto& info) { return std::string(info.param.name); });

// Between any two steps one of the two windows is shown, until the program
// ends, once, with both windows gone, whichever way it is ended.
TEST(Windows, OneWindowIsShownUntilTheEndWhichComesOnce) {
    const std::function<void(LifeCycle&)> ends[] = {[](LifeCycle& life) {
                                                        life.Form1_Command2_Click();
                                                        life.Form1_Command2_Click();
                                                    },
                                                    [](LifeCycle& life) { life.closeForm1(); }};
    for (const auto& end : ends) {
        ProgramHarness h(',');
        LifeCycle& life = h.program.lifeCycle;
        int momentsWithoutWindow = 0;
        auto check = [&] {
            momentsWithoutWindow += !h.form.window.visible() && !h.program.about.visible();
        };
        h.form.window.changed.connect(check);
        h.program.about.changed.connect(check);
        life.Form1_Command3_Click();
        EXPECT_TRUE(h.program.about.visible());
        EXPECT_FALSE(h.form.window.visible());
        life.About_Command1_Click();
        life.Form1_Command3_Click();
        life.closeAbout();
        EXPECT_TRUE(h.form.window.visible());
        EXPECT_FALSE(h.program.about.visible());
        EXPECT_EQ(momentsWithoutWindow, 0);
        EXPECT_FALSE(life.ended());
        end(life);
        EXPECT_TRUE(life.ended());
        EXPECT_FALSE(h.form.window.loaded());
        EXPECT_FALSE(h.program.about.loaded());
        EXPECT_EQ(h.programEnds, 1);
    }
}

} // namespace
} // namespace kelvaro
