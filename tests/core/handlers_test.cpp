#include "program_harness.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {
namespace {

using test::FormState;
using test::ProgramHarness;

// Start-up.

TEST(StartUp, FieldsResultsListsAndBars) {
    ProgramHarness h(',');
    h.expectFields("Form1.Visible=1 About.Visible=0 Text1=120 HScroll1.Value=120 HScroll1.Max=620 "
                   "Combo1.ListIndex=-1 Combo2.ListIndex=-1 Combo3.ListIndex=-1 "
                   "Combo3=None Text9=1 Text11=16 Text15=1 Text16=0 Text10=4596736 Text3=0 "
                   "Text14=0 Text17=80 Text4=7200 Text5=115200 Text18=0 Text7=4399616 "
                   "Text8=4888 Text12=2694 Text13=7344 Label8=720x576 Label13=4296,09375 "
                   "Label22=112,5 Label29=0 Label26=4408,59375 Shape1.Visible=1 "
                   "Shape2.Visible=1 Shape3.Visible=1 Shape6.Visible=0 Shape7.Visible=0 "
                   "Shape8.Visible=0 Shape2=28.125000 Shape3=0.000000");
    EXPECT_EQ(h.form.Combo1.text(), "4,7 GB   DVD");
    EXPECT_EQ(h.form.Combo2.text(), "128 kbps");
    EXPECT_FALSE(h.program.about.loaded());
    EXPECT_TRUE(h.reports.empty());
}

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

TEST(StartUp, ListsHoldTheirItemsAndItemData) {
    ProgramHarness h(',');
    const auto& discs = h.form.Combo1.items();
    ASSERT_EQ(discs.size(), 2u);
    EXPECT_EQ(discs[0].text, "4,7 GB   DVD");
    EXPECT_EQ(discs[0].data, 1);
    EXPECT_EQ(discs[1].text, "8,5 GB   DVD");
    EXPECT_EQ(discs[1].data, 8);
    const std::vector<std::string> audio{"None",     "96 kbps",  "112 kbps", "128 kbps",
                                         "160 kbps", "192 kbps", "224 kbps", "256 kbps",
                                         "320 kbps", "384 kbps", "448 kbps", "1536 kbps"};
    for (const ComboBox* list : {&h.form.Combo2, &h.form.Combo3}) {
        ASSERT_EQ(list->items().size(), audio.size()) << list->name();
        for (std::size_t i = 0; i < audio.size(); ++i) {
            EXPECT_EQ(list->items()[i].text, audio[i]);
            EXPECT_EQ(list->items()[i].data, static_cast<std::int32_t>(i));
        }
    }
}

TEST(StartUp, PointLocaleWritesPoints) {
    ProgramHarness h('.');
    h.expectFields("Label13=4296.09375 Label22=112.5 Label26=4408.59375 Text8=4888");
}

// Disc type selection: before each choice the user types an overhead of 120 MB.

struct DiscRow {
    const char* name;
    std::vector<int> choices;
    const char* expected;
};

class DiscTypeChoice : public ::testing::TestWithParam<DiscRow> {};

TEST_P(DiscTypeChoice, SetsFieldsMaximumAndBarsWithoutRecalculating) {
    const DiscRow& row = GetParam();
    ProgramHarness h(',');
    const FormState results = h.results();
    for (int index : row.choices) {
        h.form.Text17.setText("120");
        h.form.Combo1.choose(index);
    }
    h.expectFields(row.expected);
    EXPECT_EQ(h.recalculations, 1); // the one of start-up
    EXPECT_EQ(h.results(), results);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DiscTypeChoice,
    ::testing::Values(DiscRow{"single_layer_again",
                              {0},
                              "Text10=4596736 Text17=80 HScroll1.Max=620 HScroll1.Value=120 "
                              "Shape1.Visible=1 Shape2.Visible=1 Shape3.Visible=1 "
                              "Shape6.Visible=0 Shape7.Visible=0 Shape8.Visible=0"},
                      DiscRow{"dual_layer",
                              {1},
                              "Text10=8347648 Text17=80 HScroll1.Max=960 HScroll1.Value=120 "
                              "Shape1.Visible=0 Shape2.Visible=0 Shape3.Visible=0 "
                              "Shape6.Visible=1 Shape7.Visible=1 Shape8.Visible=1"},
                      DiscRow{"dual_layer_twice", {1, 1}, "Text10=8347648 Text17=80"},
                      DiscRow{"back_to_single_layer",
                              {1, 0},
                              "Text10=4596736 Text17=80 HScroll1.Max=620 Shape1.Visible=1 "
                              "Shape2.Visible=1 Shape3.Visible=1 Shape6.Visible=0 "
                              "Shape7.Visible=0 Shape8.Visible=0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DiscTypeChoice, LoweringTheMaximumMovesTheSliderAndRecalculatesOnce) {
    ProgramHarness h(',');
    h.form.Combo1.choose(1);
    h.form.HScroll1.setValue(900);
    h.form.Text17.setText("200");
    h.resetCounts();
    h.form.Combo1.choose(0);
    EXPECT_EQ(h.recalculations, 1);
    EXPECT_EQ(h.form.HScroll1.value(), 620);
    // 620 minutes with one 128 kbit/s track, read with the 4,7 GB capacity
    // and the 80 MB overhead written just before.
    h.expectFields("Text1=620 Text4=37200 Text7=3919616 Text8=842,9 Text12=671,4 Text13=5321, "
                   "Label8=352x288 Label22=581,25 Label13=3827,6220703125 "
                   "Label26=4408,8720703125");
}

// Audio track selection: every item of both lists.

struct AudioRow {
    const char* name;
    int index;
    const char* rate;
};

class AudioChoice : public ::testing::TestWithParam<AudioRow> {};

TEST_P(AudioChoice, WritesTheRateOfItsOwnListOnly) {
    const AudioRow& row = GetParam();
    ProgramHarness h(',');
    const FormState results = h.results();
    h.resetCounts();
    h.form.Combo2.choose(row.index);
    EXPECT_EQ(h.form.Text11.text(), row.rate);
    EXPECT_EQ(h.form.Text16.text(), "0");
    h.form.Text11.setText("16");
    h.form.Combo3.choose(row.index);
    EXPECT_EQ(h.form.Text16.text(), row.rate);
    EXPECT_EQ(h.form.Text11.text(), "16");
    EXPECT_EQ(h.recalculations, 0);
    EXPECT_EQ(h.results(), results);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AudioChoice,
    ::testing::Values(AudioRow{"none", 0, "0"}, AudioRow{"kbps_96", 1, "12"},
                      AudioRow{"kbps_112", 2, "14"}, AudioRow{"kbps_128", 3, "16"},
                      AudioRow{"kbps_160", 4, "20"}, AudioRow{"kbps_192", 5, "24"},
                      AudioRow{"kbps_224", 6, "28"}, AudioRow{"kbps_256", 7, "32"},
                      AudioRow{"kbps_320", 8, "40"}, AudioRow{"kbps_384", 9, "48"},
                      AudioRow{"kbps_448", 10, "56"}, AudioRow{"kbps_1536", 11, "192"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AudioChoice, ItemDataWithoutRateLeavesTheFieldEmpty) {
    ProgramHarness h(',');
    h.form.Combo2.setItemData(3, 12);
    h.form.Combo2.choose(3);
    EXPECT_EQ(h.form.Text11.text(), "");
}

TEST(AudioChoice, EditingTheListTextWritesNothing) {
    ProgramHarness h(',');
    const FormState before = h.state();
    h.form.Combo2.editText("192 kbps");
    FormState after = h.state();
    EXPECT_EQ(after["Combo2"], "192 kbps");
    after["Combo2"] = before.at("Combo2");
    EXPECT_EQ(after, before);
}

// The playing time typed or pasted into Text1 (comma locale).

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
    const FormState results = h.results();
    h.resetCounts();
    h.form.Text1.setText(row.text);
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
    ::testing::Values(Text1Row{"emptied_becomes_1", 120, "", "1", 1, 1, std::nullopt},
                      Text1Row{"replaced_by_9", 120, "9", "9", 9, 1, std::nullopt},
                      Text1Row{"leading_zero_slider_elsewhere", 120, "090", "90", 90, 1,
                               std::nullopt},
                      Text1Row{"leading_zero_slider_there", 90, "090", "090", 90, 0, std::nullopt},
                      Text1Row{"leading_blank", 120, " 90", "90", 90, 1, std::nullopt},
                      Text1Row{"half_rounds_down_to_even", 120, "2,5", "2", 2, 1, std::nullopt},
                      Text1Row{"half_rounds_up_to_even", 120, "3,5", "4", 4, 1, std::nullopt},
                      Text1Row{"fraction_rounds", 120, "2,6", "3", 3, 1, std::nullopt},
                      Text1Row{"exponent_of_slider_value", 100, "1E2", "1E2", 100, 0, std::nullopt},
                      Text1Row{"letters", 120, "abc", "abc", 120, 0, kNotWhole},
                      Text1Row{"blank_is_not_empty", 120, " ", " ", 120, 0, kNotWhole},
                      Text1Row{"lone_sign", 120, "-", "-", 120, 0, kNotWhole},
                      Text1Row{"lone_separator", 120, ",", ",", 120, 0, kNotWhole},
                      Text1Row{"point_in_comma_locale", 120, "2.5", "2.5", 120, 0, kNotWhole},
                      Text1Row{"beyond_16_bits", 120, "1E5", "1E5", 120, 0, kNotWhole},
                      Text1Row{"zero_below_minimum", 120, "0", "0", 120, 0, kOutOfRange},
                      Text1Row{"rounds_to_zero", 120, "0,4", "0,4", 120, 0, kOutOfRange},
                      Text1Row{"negative", 120, "-5", "-5", 120, 0, kOutOfRange},
                      Text1Row{"above_maximum", 120, "700", "700", 120, 0, kOutOfRange}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlayingTimeText, PointLocaleRoundsPointFractions) {
    ProgramHarness h('.');
    h.form.Text1.setText("2.5");
    EXPECT_EQ(h.form.HScroll1.value(), 2);
    EXPECT_EQ(h.form.Text1.text(), "2");
    h.resetCounts();
    h.form.Text1.setText("3,5");
    EXPECT_EQ(h.form.HScroll1.value(), 2);
    ASSERT_EQ(h.reports.size(), 1u);
}

TEST(PlayingTimeText, AboveSingleLayerMaximumAcceptedForDualLayer) {
    ProgramHarness h(',');
    h.form.Combo1.choose(1);
    h.form.Text1.setText("700");
    EXPECT_EQ(h.form.HScroll1.value(), 700);
    EXPECT_TRUE(h.reports.empty());
}

// Keystrokes, one at a time: at most one recalculation each.
TEST(PlayingTimeText, EveryKeystrokeRecalculatesAtMostOnce) {
    ProgramHarness h(',');
    struct Step {
        bool backspace;
        const char* key;
        const char* held;
        int recalculations;
    };
    const std::vector<Step> steps{{true, "", "12", 1},    {true, "", "1", 1},
                                  {true, "", "1", 0},     {false, "9", "19", 1},
                                  {false, "0", "190", 1}, {false, "5", "190", 0}};
    for (const Step& step : steps) {
        h.resetCounts();
        if (step.backspace) {
            h.form.Text1.backspace();
        } else {
            h.form.Text1.typeAtEnd(step.key);
        }
        EXPECT_EQ(h.form.Text1.text(), step.held);
        EXPECT_EQ(h.recalculations, step.recalculations) << step.held;
        EXPECT_EQ(h.form.HScroll1.value(), std::stoi(step.held));
    }
}

TEST(Slider, MovingWritesTextOnceAndRecalculatesOnce) {
    ProgramHarness h(',');
    int text1Changes = 0;
    h.form.Text1.change.connect([&] { ++text1Changes; });
    h.resetCounts();
    h.form.HScroll1.setValue(90);
    EXPECT_EQ(h.form.Text1.text(), "90");
    EXPECT_EQ(h.form.Text4.text(), "5400");
    EXPECT_EQ(h.recalculations, 1);
    EXPECT_EQ(text1Changes, 1);
    h.form.HScroll1.setValue(90);
    EXPECT_EQ(h.recalculations, 1);
}

TEST(OtherInputFields, ChangesRecalculateNothing) {
    ProgramHarness h(',');
    FormState expected = h.state();
    h.resetCounts();
    h.setFields("Text3=100 Text14=50 Text17=10 Text10=123 Text3=");
    expected["Text14"] = "50";
    expected["Text17"] = "10";
    expected["Text10"] = "123";
    expected["Text3"] = "";
    EXPECT_EQ(h.state(), expected); // the emptied Text3 stays empty
    EXPECT_EQ(h.recalculations, 0);
    EXPECT_TRUE(h.reports.empty());
}

// The two windows and the end of the program.

class WindowsTest : public ::testing::Test {
protected:
    WindowsTest() {
        auto check = [this] {
            if (!h.form.window.visible() && !h.program.about.visible()) {
                ++momentsWithoutWindow;
            }
        };
        h.form.window.changed.connect(check);
        h.program.about.changed.connect(check);
    }

    ProgramHarness h{','};
    LifeCycle& life = h.program.lifeCycle;
    int momentsWithoutWindow = 0;
};

TEST_F(WindowsTest, AboutHidesTheMainWindowAndOkBringsItBackUnchanged) {
    h.form.Combo2.choose(5);
    h.form.HScroll1.setValue(95);
    const FormState before = h.state();
    life.Form1_Command3_Click();
    EXPECT_TRUE(h.program.about.visible());
    EXPECT_FALSE(h.form.window.visible());
    life.About_Command1_Click();
    EXPECT_EQ(h.state(), before);
    EXPECT_TRUE(h.program.about.loaded());
    life.Form1_Command3_Click();
    EXPECT_TRUE(h.program.about.visible());
    EXPECT_EQ(momentsWithoutWindow, 0);
    EXPECT_FALSE(life.ended());
}

TEST_F(WindowsTest, ClosingAboutByItsFrameDoesWhatOkDoes) {
    life.Form1_Command3_Click();
    life.closeAbout();
    EXPECT_TRUE(h.form.window.visible());
    EXPECT_FALSE(h.program.about.visible());
    EXPECT_FALSE(life.ended());
    EXPECT_EQ(momentsWithoutWindow, 0);
}

TEST_F(WindowsTest, ClosingTheMainWindowEndsTheProgramWithTheHiddenAbout) {
    life.Form1_Command3_Click();
    life.About_Command1_Click();
    life.closeForm1();
    EXPECT_TRUE(life.ended());
    EXPECT_FALSE(h.form.window.loaded());
    EXPECT_FALSE(h.program.about.loaded());
    EXPECT_EQ(h.programEnds, 1);
}

TEST_F(WindowsTest, ExitEndsAtOnceAndOnlyOnce) {
    const FormState results = h.results();
    life.Form1_Command2_Click();
    life.Form1_Command2_Click();
    EXPECT_TRUE(life.ended());
    EXPECT_FALSE(h.form.window.loaded());
    EXPECT_EQ(h.programEnds, 1);
    EXPECT_EQ(h.results(), results);
}

} // namespace
} // namespace kelvaro
