#include "program_harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

using test::FormState;
using test::ProgramHarness;

// The resolution bands and the ends of the plain-digit average, seen through
// the cut average. One minute, no audio, no overhead: the average is the
// capacity × 8 / 60. A run with the capacity `before` comes first and sets
// Label8.
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
    EXPECT_TRUE(h.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResolutionBand,
    ::testing::Values(BandRow{"exactly_2750_keeps_label", "9750", "20625",
                              "Text8=2750 Text12=1625 Text13=6275 Label8=352x576"},
                      BandRow{"just_above_3200", "9750", "24007,5",
                              "Text8=3201 Text12=1850, Text13=6500, Label8=720x576"},
                      BandRow{"just_below_1900", "0", "14242,5",
                              "Text8=1899 Text12=1199, Text13=5849, Label8=352x576"},
                      // 7,425E15 × 8 / 60 = 9,9E14 is written in plain digits, cut to
                      // "99000" and capped.
                      BandRow{"huge_average_in_plain_digits", "9750", "7425000000000000",
                              "Text8=9608 Text12=5054 Text13=9704 Label8=720x576"},
                      // An average of 1,33E-4 is written "0,000133", cut to "0,000".
                      BandRow{"tiny_average_in_plain_digits", "9750", "0,0009975",
                              "Text8=0 Text12=250 Text13=4900 Label8=352x288"}),
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
        RefusedRow{
            "all_nine_in_fixed_order",
            "Text17= Text14=x Text3=1.5 Text10= Text16= Text15=- Text11=, Text9=zwei "
            "Text1=abc",
            {"Text1", "Text9", "Text11", "Text15", "Text16", "Text10", "Text3", "Text14", "Text17"},
            kNaN},
        RefusedRow{"zero_playing_time", "Text1=0", {"Text1"}, kZero},
        RefusedRow{"negative_zero_playing_time", "Text1=-0", {"Text1"}, kZero},
        RefusedRow{"zero_with_fraction", "Text1=0,0", {"Text1"}, kZero},
        RefusedRow{"subtitles_overflow", "Text14=1E308", {}, kFailed},
        RefusedRow{"average_overflows", "Text3=1E305", {}, kFailed},
        // 1,1E+15 would be written in exponent form, too long for Text8.
        RefusedRow{"average_of_1E15_or_more", "Text17=-1E15", {}, kFailed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RefusedCalculation, NextGoodRunWritesAgainAndClearsTheMark) {
    ProgramHarness h(',');
    h.form.Text9.setText("1E308");
    h.clickCalculate();
    ASSERT_TRUE(h.form.reports.isMarked(ReportChannel::kCalculation));
    h.form.Text9.setText("0");
    h.resetCounts();
    h.clickCalculate();
    EXPECT_TRUE(h.reports.empty());
    EXPECT_EQ(h.form.Label22.caption(), "0");
    EXPECT_FALSE(h.form.reports.isMarked(ReportChannel::kCalculation));
}

} // namespace
} // namespace kelvaro
