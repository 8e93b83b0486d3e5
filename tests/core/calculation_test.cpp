#include "handlers/program.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// The resolution bands seen through the cut average. One minute, no audio,
// no overhead: the average is the capacity × 8 / 60. 14242,5 × 8 / 60 = 1899,
// one below the 352x576 band's edge, after a first run of an average of 0 set
// the 352x288 band; the minimum 1199,5 and maximum 5849,5 are cut to five
// characters. The other edges and the averages written in plain digits or
// exponent form are met by the golden scripts (band_*,
// average_exponent_fits_box) and the random sessions.
TEST(ResolutionBand, JustBelow1900) {
    Program program{NumberFormat(',')};
    Form1& f = program.form;
    int reports = 0;
    f.reports.onReport([&](const Report&) { ++reports; });
    program.start();
    f.audio1.count.setText("0");
    f.overheadMb.setText("0");
    f.minutes.setText("1");
    f.capacityKb.setText("0");
    program.calculation.Form1_Command1_Click();
    f.capacityKb.setText("14242,5");
    program.calculation.Form1_Command1_Click();
    EXPECT_EQ(f.averageKbps.text(), "1899");
    EXPECT_EQ(f.minimumKbps.text(), "1199,");
    EXPECT_EQ(f.maximumKbps.text(), "5849,");
    EXPECT_EQ(f.resolution.caption(), "352x576");
    EXPECT_EQ(reports, 0);
}

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
