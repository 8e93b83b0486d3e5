#include "calc/bitrate_calculation.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace kelvaro {

namespace {

constexpr double kSecondsPerMinute = 60;
constexpr double kKilobytesPerMegabyte = 1024;
constexpr double kSubtitleWeight = 0.5;
constexpr double kBitsPerByte = 8;
constexpr std::int16_t kBitrateCap = 9608;
constexpr double kMinimumOffset = 500;
constexpr double kMaximumOffset = 9800;
constexpr double kRangeDivisor = 2;
constexpr double kMegabytesPerTwipSingleLayer = 4;
constexpr double kMegabytesPerTwipDualLayer = 7.4;

struct ResolutionTest {
    bool above;
    double threshold;
    const char* resolution;
};

// Each test that holds overrides the ones before it.
constexpr std::array<ResolutionTest, 4> kResolutionTests{{
    {true, 3200, "720x576"},
    {false, 2750, "480x576"},
    {false, 1900, "352x576"},
    {false, 1300, "352x288"},
}};

} // namespace

bool BitrateCalculation::run(CalculationPath path) {
    FieldDraft draft(form_.numbers);
    if (!inputsAreNumbers(draft)) {
        return false;
    }
    try {
        computeInto(draft, path);
    } catch (const CalculationFailure&) {
        form_.reports.report(Report{{}, ReportReason::CalculationFailed});
        return false;
    }
    draft.commit();
    form_.reports.clearAll();
    return true;
}

bool BitrateCalculation::inputsAreNumbers(FieldDraft& draft) {
    std::vector<std::string> bad;
    for (TextBox Form1::*input : kInputs) {
        if (!draft.tryNumber(form_.*input)) {
            bad.push_back((form_.*input).name());
        }
    }
    if (!bad.empty()) {
        form_.reports.report(Report{bad, ReportReason::NotANumber});
        return false;
    }
    if (draft.number(form_.Text1) * kSecondsPerMinute == 0) {
        form_.reports.report(Report{{form_.Text1.name()}, ReportReason::ZeroPlayingTime});
        return false;
    }
    return true;
}

void BitrateCalculation::computeInto(FieldDraft& draft, CalculationPath path) {
    auto& f = form_;
    draft.write(f.Text4, draft.number(f.Text1) * kSecondsPerMinute);
    audioSizes(draft);
    draft.write(f.Text7, draft.number(f.Text10) - draft.number(f.Text5) - draft.number(f.Text18) -
                             draft.number(f.Text3) * kKilobytesPerMegabyte -
                             draft.number(f.Text14) * kKilobytesPerMegabyte * kSubtitleWeight -
                             draft.number(f.Text17) * kKilobytesPerMegabyte);
    averageBitrate(draft);
    resolution(draft);
    streamSizes(draft, path);
    bars(draft);
}

void BitrateCalculation::audioSizes(FieldDraft& draft) {
    auto& f = form_;
    draft.write(f.Text5, draft.number(f.Text4) * draft.number(f.Text9) * draft.number(f.Text11));
    draft.write(f.Text18, draft.number(f.Text4) * draft.number(f.Text15) * draft.number(f.Text16));
    draft.write(f.Label22, draft.number(f.Text4) * draft.number(f.Text9) * draft.number(f.Text11) /
                               kKilobytesPerMegabyte);
    draft.write(f.Label29, draft.number(f.Text4) * draft.number(f.Text15) * draft.number(f.Text16) /
                               kKilobytesPerMegabyte);
}

void BitrateCalculation::averageBitrate(FieldDraft& draft) {
    auto& f = form_;
    draft.write(f.Text8, draft.number(f.Text7) * kBitsPerByte / draft.number(f.Text4));
    if (draft.number(f.Text8) >= kBitrateCap) {
        draft.writeText(f.Text8, NumberFormat::toText(kBitrateCap));
    }
    draft.write(f.Text12, (draft.number(f.Text8) + kMinimumOffset) / kRangeDivisor);
    draft.write(f.Text13, (draft.number(f.Text8) + kMaximumOffset) / kRangeDivisor);
}

void BitrateCalculation::resolution(FieldDraft& draft) {
    auto& f = form_;
    for (const ResolutionTest& test : kResolutionTests) {
        const double average = draft.number(f.Text8);
        if (test.above ? average > test.threshold : average < test.threshold) {
            draft.writeCaption(f.Label8, test.resolution);
            // Rewriting the average drops a separator left dangling by the cut.
            draft.write(f.Text8, draft.number(f.Text8));
        }
    }
}

void BitrateCalculation::streamSizes(FieldDraft& draft, CalculationPath path) {
    auto& f = form_;
    const double videoKilobytes = draft.number(f.Text4) * draft.number(f.Text8) / kBitsPerByte;
    if (path == CalculationPath::Slider) {
        draft.write(f.Label13, std::fabs(videoKilobytes) / kKilobytesPerMegabyte);
    } else {
        draft.write(f.Label13, videoKilobytes / kKilobytesPerMegabyte);
    }
    draft.write(f.Label26, draft.number(f.Text4) * draft.number(f.Text8) / kBitsPerByte /
                                   kKilobytesPerMegabyte +
                               (draft.number(f.Text4) * draft.number(f.Text9) *
                                    draft.number(f.Text11) / kKilobytesPerMegabyte +
                                draft.number(f.Text4) * draft.number(f.Text15) *
                                    draft.number(f.Text16) / kKilobytesPerMegabyte));
}

void BitrateCalculation::bars(FieldDraft& draft) {
    auto& f = form_;
    draft.write(f.Shape1, draft.number(f.Label13) / kMegabytesPerTwipSingleLayer);
    draft.write(f.Shape2, draft.number(f.Label22) / kMegabytesPerTwipSingleLayer);
    draft.write(f.Shape3, draft.number(f.Label29) / kMegabytesPerTwipSingleLayer);
    draft.write(f.Shape6, draft.number(f.Label13) / kMegabytesPerTwipDualLayer);
    draft.write(f.Shape7, draft.number(f.Label22) / kMegabytesPerTwipDualLayer);
    draft.write(f.Shape8, draft.number(f.Label29) / kMegabytesPerTwipDualLayer);
}

} // namespace kelvaro
