#include "program_harness.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

using test::FormState;
using test::ProgramHarness;

// The worked example: 120 minutes, one 192 kbit/s track, 4,7 GB, 80 MB.
TEST(WorkedExample, EveryStepInACommaLocale) {
    ProgramHarness h(',');
    h.form.Combo2.choose(5); // "192 kbps"
    h.clickCalculate();
    h.expectFields("Text11=24 Text4=7200 Text5=172800 Text18=0 Label22=168,75 Label29=0 "
                   "Text7=4342016 Text12=2662 Text13=7312 Label8=720x576 Text8=4824 "
                   "Label13=4239,84375 Label26=4408,59375");
    EXPECT_FLOAT_EQ(h.form.Shape1.width(), 4239.84375 / 4);
    EXPECT_FLOAT_EQ(h.form.Shape2.width(), 168.75 / 4);
    EXPECT_FLOAT_EQ(h.form.Shape3.width(), 0);
    EXPECT_FLOAT_EQ(h.form.Shape6.width(), 4239.84375 / 7.4);
    EXPECT_FLOAT_EQ(h.form.Shape7.width(), 168.75 / 7.4);
    EXPECT_FLOAT_EQ(h.form.Shape8.width(), 0);
    EXPECT_TRUE(h.reports.empty());
}

TEST(WorkedExample, CaptionsUseThePointInAPointLocale) {
    ProgramHarness h('.');
    h.form.Combo2.choose(5);
    h.clickCalculate();
    h.expectFields("Label22=168.75 Label13=4239.84375 Label26=4408.59375 Text8=4824");
}

// Runs from the start-up state in a comma locale: the inputs are written in
// order, then "Berechnen" is pressed (slideTo 0) or the slider moved.
struct RunRow {
    const char* name;
    const char* inputs;
    std::int16_t slideTo;
    const char* expected;
};

class CalculationRun : public ::testing::TestWithParam<RunRow> {};

TEST_P(CalculationRun, WritesTheExpectedResults) {
    const RunRow& row = GetParam();
    ProgramHarness h(',');
    h.setFields(row.inputs);
    h.resetCounts();
    if (row.slideTo > 0) {
        h.form.HScroll1.setValue(row.slideTo);
    } else {
        h.clickCalculate();
    }
    h.expectFields(row.expected);
    EXPECT_TRUE(h.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CalculationRun,
    ::testing::Values(
        RunRow{"cap_ten_minutes", "Text11=24 Text1=10", 0,
               "Text7=4500416 Text8=9608 Text12=5054 Text13=9704 Label8=720x576 "
               "Label13=703,7109375 Label22=14,0625 Label26=717,7734375"},
        RunRow{"subtitles_count_half", "Text11=24 Text14=100", 0,
               "Text7=4290816 Text8=4767 Text12=2633, Text13=7283, Label8=720x576 "
               "Label13=4189,74609375 Label26=4358,49609375"},
        RunRow{"extras_3500_MB", "Text11=24 Text3=3500", 0,
               "Text7=758016 Text8=842,2 Text12=671,1 Text13=5321, Label8=352x288 "
               "Label13=740,21484375 Label26=908,96484375"},
        RunRow{"extras_with_decimal_comma", "Text11=24 Text3=1,5", 0,
               "Text7=4340480 Text8=4822 Label13=4238,0859375"},
        RunRow{"track_count_zero_removes_first_stream", "Text11=24 Text9=0", 0,
               "Text5=0 Label22=0 Text7=4514816 Text8=5016 Label13=4408,59375 "
               "Label26=4408,59375"},
        RunRow{"rate_none_removes_second_stream", "Text11=24 Text15=5", 0,
               "Text18=0 Label29=0 Text8=4824 Label26=4408,59375"},
        RunRow{"second_stream", "Text11=24 Text15=2 Text16=56", 0,
               "Text18=806400 Label29=787,5 Text7=3535616 Text8=3928 Label13=3452,34375 "
               "Label26=4408,59375 Shape3=196.875000"},
        RunRow{"four_1536_tracks_button", "Text9=4 Text11=192 Text1=600", 0,
               "Text7=-23133184 Text8=-5140 Text12=-2320 Text13=2330 Label8=352x288 "
               "Label13=-22587,890625 Label22=27000 Label26=4412,109375 Shape1=0.000000 "
               "Shape2=6750.000000 Shape6=0.000000"},
        RunRow{"four_1536_tracks_slider", "Text9=4 Text11=192", 600,
               "Text1=600 Text8=-5140 Label8=352x288 Label13=22587,890625 Label22=27000 "
               "Label26=4412,109375 Shape1=5646.972656"},
        RunRow{"eight_1536_tracks_button", "Text9=8 Text11=192 Text1=600", 0,
               "Text7=-50781184 Text8=-1128 Text12=-314 Text13=4336 Label8=352x288 "
               "Label13=-4957,03125 Label22=54000 Label26=49042,96875"},
        // Below 1E15 the average is written in plain digits, cut and capped.
        RunRow{"huge_average_in_plain_digits", "Text17=-8E14", 0,
               "Text8=9608 Text12=5054 Text13=9704 Label13=8444,53125"},
        // An average of 1,33E-4 is written "0,000133...", cut to "0,000".
        RunRow{"tiny_average_in_plain_digits", "Text9=0 Text3=4408,9990234375 Text1=999", 0,
               "Text7=1 Text8=0 Text12=250 Text13=4900 Label8=352x288"}),
    [](const auto& info) { return std::string(info.param.name); });

// The resolution bands, seen through the cut average. One minute, no audio,
// no overhead: the average is the capacity × 8 / 60. A run with the capacity
// `before` comes first and sets Label8.
struct BandRow {
    const char* name;
    const char* before;
    const char* capacity;
    const char* expected;
};

class ResolutionBand : public ::testing::TestWithParam<BandRow> {};

TEST_P(ResolutionBand, TestsSeeTheCutAverage) {
    const BandRow& row = GetParam();
    ProgramHarness h(',');
    h.setFields("Text9=0 Text17=0 Text1=1");
    h.form.Text10.setText(row.before);
    h.clickCalculate();
    h.form.Text10.setText(row.capacity);
    h.clickCalculate();
    h.expectFields(row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResolutionBand,
    ::testing::Values(
        BandRow{"exactly_3200_keeps_label", "9750", "24000",
                "Text8=3200 Text12=1850 Text13=6500 Label8=352x576"},
        BandRow{"fraction_3200_9_counts_as_3200", "9750", "24006,75",
                "Text8=3200, Text12=1850 Text13=6500 Label8=352x576"},
        BandRow{"inside_band_keeps_dangling_separator", "9750", "22503,75",
                "Text8=3000, Text12=1750 Text13=6400 Label8=352x576"},
        BandRow{"exactly_2750_keeps_label", "9750", "20625",
                "Text8=2750 Text12=1625 Text13=6275 Label8=352x576"},
        BandRow{"just_above_3200", "9750", "24007,5",
                "Text8=3201 Text12=1850, Text13=6500, Label8=720x576"},
        BandRow{"just_below_2750", "9750", "20624,25",
                "Text8=2749 Text12=1624, Text13=6274, Label8=480x576"},
        BandRow{"exactly_1900", "9750", "14250",
                "Text8=1900 Text12=1200 Text13=5850 Label8=480x576"},
        BandRow{"just_below_1900", "0", "14242,5",
                "Text8=1899 Text12=1199, Text13=5849, Label8=352x576"},
        BandRow{"exactly_1300", "0", "9750", "Text8=1300 Text12=900 Text13=5550 Label8=352x576"},
        BandRow{"just_below_1300", "9750", "9746,25",
                "Text8=1299 Text12=899,5 Text13=5549, Label8=352x288"},
        BandRow{"zero", "9750", "0", "Text8=0 Text12=250 Text13=4900 Label8=352x288"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResolutionBand, StartCaptionKeptWhenTheFirstRunFallsInTheBand) {
    // 120 minutes: an average of 3000 needs 2700000 KB for the video alone.
    ProgramHarness h(',', false);
    h.setFields("Text9=0 Text17=0 Text10=2700000");
    h.start();
    h.expectFields("Text8=3000 Label8=00000");
}

// Refused input: reported, nothing written, the previous results stay.
struct RefusedRow {
    const char* name;
    const char* inputs;
    std::vector<std::string> reported; // empty: the calculation failed
    ReportReason reason;
};

class RefusedCalculation : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedCalculation, ReportsAndWritesNothing) {
    const RefusedRow& row = GetParam();
    ProgramHarness h(',');
    h.setFields(row.inputs);
    const FormState before = h.state();
    h.resetCounts();
    h.clickCalculate();
    ASSERT_EQ(h.reports.size(), 1u);
    EXPECT_EQ(h.reports[0].fields, row.reported);
    EXPECT_EQ(h.reports[0].reason, row.reason);
    EXPECT_EQ(h.state(), before);
}

constexpr auto kNaN = ReportReason::NotANumber;
constexpr auto kZero = ReportReason::ZeroPlayingTime;
constexpr auto kFailed = ReportReason::CalculationFailed;

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedCalculation,
    ::testing::Values(
        RefusedRow{"empty_extras", "Text3=", {"Text3"}, kNaN},
        RefusedRow{"letters_in_track_count", "Text9=zwei", {"Text9"}, kNaN},
        RefusedRow{"point_in_comma_locale", "Text14=1.5", {"Text14"}, kNaN},
        RefusedRow{
            "all_nine_in_fixed_order",
            "Text17= Text14=x Text3=1.5 Text10= Text16= Text15=- Text11=, Text9=zwei "
            "Text1=abc",
            {"Text1", "Text9", "Text11", "Text15", "Text16", "Text10", "Text3", "Text14", "Text17"},
            kNaN},
        RefusedRow{"zero_playing_time", "Text1=0", {"Text1"}, kZero},
        RefusedRow{"negative_zero_playing_time", "Text1=-0", {"Text1"}, kZero},
        RefusedRow{"zero_with_fraction", "Text1=0,0", {"Text1"}, kZero},
        RefusedRow{"audio_size_overflows", "Text9=1E308", {}, kFailed},
        RefusedRow{"subtitles_overflow", "Text14=1E308", {}, kFailed},
        RefusedRow{"average_overflows", "Text3=1E305", {}, kFailed},
        // Averages that would be written in exponent form into Text8.
        RefusedRow{"average_of_1E15_or_more", "Text17=-1E15", {}, kFailed},
        RefusedRow{"negative_average_in_exponent_form", "Text3=1E300", {}, kFailed},
        RefusedRow{
            "average_below_1E_minus_4", "Text9=0 Text3=4408,99951171875 Text1=999", {}, kFailed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RefusedCalculation, SliderWritesThePlayingTimeBeforeTheRefusal) {
    ProgramHarness h(',');
    h.form.Text3.setText("");
    FormState before = h.state();
    h.resetCounts();
    h.form.HScroll1.setValue(90);
    ASSERT_EQ(h.reports.size(), 1u);
    EXPECT_EQ(h.reports[0].fields, std::vector<std::string>{"Text3"});
    before["Text1"] = "90";
    before["HScroll1.Value"] = "90";
    EXPECT_EQ(h.state(), before);
}

TEST(RefusedCalculation, NextGoodRunWritesAgain) {
    ProgramHarness h(',');
    h.form.Text9.setText("1E308");
    h.clickCalculate();
    h.form.Text9.setText("0");
    h.resetCounts();
    h.clickCalculate();
    EXPECT_TRUE(h.reports.empty());
    EXPECT_EQ(h.form.Label22.caption(), "0");
    EXPECT_FALSE(h.form.reports.isMarked(ReportChannel::kCalculation));
}

} // namespace
} // namespace kelvaro
