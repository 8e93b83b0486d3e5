#include "runtime/report_channel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

// Each report reaches the listeners with its fields in order and marks them;
// a field keeps one mark; marksChanged is raised only when the marks change.
TEST(ReportChannel, ReportsMarkFieldsUntilCleared) {
    ReportChannel channel;
    std::vector<Report> heard;
    int markChanges = 0;
    channel.onReport([&](const Report& report) { heard.push_back(report); });
    channel.marksChanged.connect([&] { ++markChanges; });

    channel.report(Report{{"Text9", "Text3"}, ReportReason::NotANumber});
    channel.report(Report{{}, ReportReason::CalculationFailed});
    channel.report(Report{{"Text3"}, ReportReason::OutOfRange});
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[0].fields, (std::vector<std::string>{"Text9", "Text3"}));
    EXPECT_EQ(heard[0].reason, ReportReason::NotANumber);
    EXPECT_TRUE(heard[1].fields.empty());
    EXPECT_EQ(heard[1].reason, ReportReason::CalculationFailed);
    EXPECT_TRUE(channel.isMarked("Text9"));
    EXPECT_TRUE(channel.isMarked(ReportChannel::kCalculation));
    EXPECT_FALSE(channel.isMarked("Text1"));
    ASSERT_EQ(channel.marks().size(), 3u);
    EXPECT_EQ(markChanges, 3);

    channel.clear("Text9");
    channel.clear("Text17"); // never marked: nothing changes
    EXPECT_FALSE(channel.isMarked("Text9"));
    EXPECT_TRUE(channel.isMarked("Text3"));
    EXPECT_EQ(markChanges, 4);
    ASSERT_EQ(channel.marks().size(), 2u);
    const auto text3 = std::find_if(channel.marks().begin(), channel.marks().end(),
                                    [](const Report& mark) { return !mark.fields.empty(); });
    ASSERT_NE(text3, channel.marks().end());
    EXPECT_EQ(text3->reason, ReportReason::OutOfRange); // the newest reason
    channel.clearAll();
    channel.clearAll();
    EXPECT_TRUE(channel.marks().empty());
    EXPECT_EQ(markChanges, 5);
    EXPECT_EQ(heard.size(), 3u); // clearing tells no listener
}

} // namespace
} // namespace kelvaro
