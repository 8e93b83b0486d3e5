#include "handlers/report_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvaro {
namespace {

struct ReportTextRow {
    const char* name;
    const char* field;
    ReportReason reason;
    ReportTextContext context;
    std::string expected;
};

class ReportTextTest : public ::testing::TestWithParam<ReportTextRow> {};

TEST_P(ReportTextTest, SaysWhatIsExpected) {
    const ReportTextRow& row = GetParam();
    EXPECT_EQ(reportText(row.field, row.reason, row.context), row.expected);
}

const ReportTextContext kGerman{',', 1, 620};
const ReportTextContext kEnglish{'.', 1, 620};
const ReportTextContext kDualLayer{',', 1, 960};

const std::string kFailed = "Mit diesen Eingaben lässt sich nicht rechnen: ein Wert liegt "
                            "außerhalb des Zahlenbereichs. Bitte die Eingaben prüfen.";

INSTANTIATE_TEST_SUITE_P(
    Messages, ReportTextTest,
    ::testing::Values(
        ReportTextRow{"NumberWithComma", "Text3", ReportReason::NotANumber, kGerman,
                      "Bitte eine Zahl eingeben, z. B. 1,5"},
        ReportTextRow{"NumberWithPoint", "Text17", ReportReason::NotANumber, kEnglish,
                      "Bitte eine Zahl eingeben, z. B. 1.5"},
        ReportTextRow{"TrackCount", "Text9", ReportReason::NotANumber, kGerman,
                      "Bitte eine Zahl eingeben, z. B. 1,5"},
        ReportTextRow{"PlayingTimeNotANumber", "Text1", ReportReason::NotANumber, kGerman,
                      "Bitte eine ganze Zahl von 1 bis 620 Minuten eingeben"},
        ReportTextRow{"PlayingTimeNotWhole", "Text1", ReportReason::NotAWholeNumber, kGerman,
                      "Bitte eine ganze Zahl von 1 bis 620 Minuten eingeben"},
        ReportTextRow{"PlayingTimeAboveSingleLayer", "Text1", ReportReason::OutOfRange, kGerman,
                      "Bitte eine ganze Zahl von 1 bis 620 Minuten eingeben"},
        ReportTextRow{"PlayingTimeAboveDualLayer", "Text1", ReportReason::OutOfRange, kDualLayer,
                      "Bitte eine ganze Zahl von 1 bis 960 Minuten eingeben"},
        ReportTextRow{"ZeroPlayingTime", "Text1", ReportReason::ZeroPlayingTime, kGerman,
                      "Die Spielzeit darf nicht 0 sein."},
        ReportTextRow{"CalculationFailed", "calculation", ReportReason::CalculationFailed, kGerman,
                      kFailed},
        ReportTextRow{"CalculationFailedWithoutField", "", ReportReason::CalculationFailed,
                      kEnglish, kFailed}),
    [](const ::testing::TestParamInfo<ReportTextRow>& info) { return info.param.name; });

} // namespace
} // namespace kelvaro
