#include "runtime/report_channel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

class ReportChannelTest : public ::testing::Test {
protected:
    ReportChannelTest() {
        channel.onReport([this](const Report& report) { heard.push_back(report); });
        channel.marksChanged.connect([this] { ++markChanges; });
    }

    ReportChannel channel;
    std::vector<Report> heard;
    int markChanges = 0;
};

TEST_F(ReportChannelTest, ListenersHearEachReportWithItsFieldsInOrder) {
    channel.report(Report{{"Text9", "Text3"}, ReportReason::NotANumber});
    channel.report(Report{{}, ReportReason::CalculationFailed});
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].fields, (std::vector<std::string>{"Text9", "Text3"}));
    EXPECT_EQ(heard[0].reason, ReportReason::NotANumber);
    EXPECT_TRUE(heard[1].fields.empty());
    EXPECT_EQ(heard[1].reason, ReportReason::CalculationFailed);
}

TEST_F(ReportChannelTest, EveryReportedFieldIsMarked) {
    channel.report(Report{{"Text9", "Text3"}, ReportReason::NotANumber});
    EXPECT_TRUE(channel.isMarked("Text9"));
    EXPECT_TRUE(channel.isMarked("Text3"));
    EXPECT_FALSE(channel.isMarked("Text1"));
    channel.report(Report{{}, ReportReason::CalculationFailed});
    EXPECT_TRUE(channel.isMarked(ReportChannel::kCalculation));
    EXPECT_EQ(markChanges, 2);
}

TEST_F(ReportChannelTest, ReportingAFieldAgainKeepsOneMarkWithTheNewReason) {
    channel.report(Report{{"Text1"}, ReportReason::NotAWholeNumber});
    channel.report(Report{{"Text1"}, ReportReason::OutOfRange});
    ASSERT_EQ(channel.marks().size(), 1u);
    EXPECT_EQ(channel.marks()[0].reason, ReportReason::OutOfRange);
}

TEST_F(ReportChannelTest, ClearingRemovesOnlyThatMark) {
    channel.report(Report{{"Text9", "Text3"}, ReportReason::NotANumber});
    channel.clear("Text9");
    channel.clear("Text17"); // never marked: nothing changes
    EXPECT_FALSE(channel.isMarked("Text9"));
    EXPECT_TRUE(channel.isMarked("Text3"));
    EXPECT_EQ(markChanges, 2);
    channel.clearAll();
    channel.clearAll();
    EXPECT_TRUE(channel.marks().empty());
    EXPECT_EQ(markChanges, 3);
    EXPECT_EQ(heard.size(), 1u); // clearing tells no listener
}

} // namespace
} // namespace kelvaro
