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

// 14242,5 × 8 / 60 = 1899, one below the 352x576 band's edge; its minimum
// 1199,5 and maximum 5849,5 are cut to five characters. The other edges and
// the averages written in plain digits or exponent form are met by the
// golden scripts (band_*, average_exponent_fits_box) and the random sessions.
// clang-format off
const BandRow kBandRows[] = {
    {"just_below_1900", "0", "14242,5", "1899", "1199,", "5849,", "352x576"},
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
