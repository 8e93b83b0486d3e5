#include "handlers/program.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvaro {
namespace {

// The resolution bands and the ends of the plain-digit average, seen through
// the cut average. One minute, no audio, no overhead: the average is the
// capacity × 8 / 60. A first run with the capacity `before` sets the resolution.
struct BandRow {
    const char* name;
    const char* before;
    const char* capacity;
    const char* average;
    const char* minimum;
    const char* maximum;
    const char* resolution;
};

class ResolutionBand : public ::testing::TestWithParam<BandRow> {};

TEST_P(ResolutionBand, TestsSeeTheCutAverage) {
    const BandRow& row = GetParam();
    Program program{NumberFormat(',')};
    Form1& f = program.form;
    int reports = 0;
    f.reports.onReport([&](const Report&) { ++reports; });
    program.start();
    f.audio1.count.setText("0");
    f.overheadMb.setText("0");
    f.minutes.setText("1");
    f.capacityKb.setText(row.before);
    program.calculation.Form1_Command1_Click();
    f.capacityKb.setText(row.capacity);
    program.calculation.Form1_Command1_Click();
    EXPECT_EQ(f.averageKbps.text(), row.average);
    EXPECT_EQ(f.minimumKbps.text(), row.minimum);
    EXPECT_EQ(f.maximumKbps.text(), row.maximum);
    EXPECT_EQ(f.resolution.caption(), row.resolution);
    EXPECT_EQ(reports, 0);
}

// 7,425E15 × 8 / 60 = 9,9E14 is written in plain digits, cut to "99000" and
// capped; an average of 1,33E-4 is written "0,000133", cut to "0,000".
// clang-format off
const BandRow kBandRows[] = {
    {"exactly_2750_keeps_label",     "9750", "20625",            "2750", "1625",  "6275",  "352x576"},
    {"just_above_3200",              "9750", "24007,5",          "3201", "1850,", "6500,", "720x576"},
    {"just_below_1900",              "0",    "14242,5",          "1899", "1199,", "5849,", "352x576"},
    {"huge_average_in_plain_digits", "9750", "7425000000000000", "9608", "5054",  "9704",  "720x576"},
    {"tiny_average_in_plain_digits", "9750", "0,0009975",        "0",    "250",   "4900",  "352x288"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, ResolutionBand, ::testing::ValuesIn(kBandRows),
                         [](const auto& info) { return std::string(info.param.name); });

// 120 minutes: an average of 3000 needs 2700000 KB for the video alone.
TEST(ResolutionBand, StartCaptionKeptWhenTheFirstRunFallsInTheBand) {
    Program program{NumberFormat(',')};
    program.form.audio1.count.setText("0");
    program.form.overheadMb.setText("0");
    program.form.capacityKb.setText("2700000");
    program.start();
    EXPECT_EQ(program.form.averageKbps.text(), "3000");
    EXPECT_EQ(program.form.resolution.caption(), "00000");
}

} // namespace
} // namespace kelvaro
