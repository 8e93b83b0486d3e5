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
    for (const TextBox* input : form_.numberInputs()) {
        if (!draft.tryNumber(*input)) {
            bad.push_back(input->name());
        }
    }
    if (!bad.empty()) {
        form_.reports.report(Report{bad, ReportReason::NotANumber});
        return false;
    }
    if (draft.number(form_.minutes) * kSecondsPerMinute == 0) {
        form_.reports.report(Report{{form_.minutes.name()}, ReportReason::ZeroPlayingTime});
        return false;
    }
    return true;
}

void BitrateCalculation::computeInto(FieldDraft& draft, CalculationPath path) {
    auto& f = form_;
    draft.write(f.seconds, draft.number(f.minutes) * kSecondsPerMinute);
    audioSizes(draft);
    draft.write(f.videoKb,
                draft.number(f.capacityKb) - draft.number(f.audio1.sizeKb) -
                    draft.number(f.audio2.sizeKb) -
                    draft.number(f.extrasMb) * kKilobytesPerMegabyte -
                    draft.number(f.subtitlesMb) * kKilobytesPerMegabyte * kSubtitleWeight -
                    draft.number(f.overheadMb) * kKilobytesPerMegabyte);
    averageBitrate(draft);
    resolution(draft);
    streamSizes(draft, path);
    bars(draft);
}

void BitrateCalculation::audioSizes(FieldDraft& draft) {
    auto& f = form_;
    draft.write(f.audio1.sizeKb, audioKilobytes(draft, f.audio1));
    draft.write(f.audio2.sizeKb, audioKilobytes(draft, f.audio2));
    draft.write(f.audio1.sizeMb, audioKilobytes(draft, f.audio1) / kKilobytesPerMegabyte);
    draft.write(f.audio2.sizeMb, audioKilobytes(draft, f.audio2) / kKilobytesPerMegabyte);
}

double BitrateCalculation::audioKilobytes(FieldDraft& draft, const AudioTrack& track) {
    return draft.number(form_.seconds) * draft.number(track.count) *
           draft.number(track.kbPerSecond);
}

void BitrateCalculation::averageBitrate(FieldDraft& draft) {
    auto& f = form_;
    draft.write(f.averageKbps, draft.number(f.videoKb) * kBitsPerByte / draft.number(f.seconds));
    if (draft.number(f.averageKbps) >= kBitrateCap) {
        draft.writeText(f.averageKbps, NumberFormat::toText(kBitrateCap));
    }
    draft.write(f.minimumKbps, (draft.number(f.averageKbps) + kMinimumOffset) / kRangeDivisor);
    draft.write(f.maximumKbps, (draft.number(f.averageKbps) + kMaximumOffset) / kRangeDivisor);
}

void BitrateCalculation::resolution(FieldDraft& draft) {
    auto& f = form_;
    for (const ResolutionTest& test : kResolutionTests) {
        const double average = draft.number(f.averageKbps);
        if (test.above ? average > test.threshold : average < test.threshold) {
            draft.writeCaption(f.resolution, test.resolution);
            // Rewriting the average drops a separator left dangling by the cut.
            draft.write(f.averageKbps, draft.number(f.averageKbps));
        }
    }
}

void BitrateCalculation::streamSizes(FieldDraft& draft, CalculationPath path) {
    auto& f = form_;
    const double videoKilobytes =
        draft.number(f.seconds) * draft.number(f.averageKbps) / kBitsPerByte;
    if (path == CalculationPath::Slider) {
        draft.write(f.videoMb, std::fabs(videoKilobytes) / kKilobytesPerMegabyte);
    } else {
        draft.write(f.videoMb, videoKilobytes / kKilobytesPerMegabyte);
    }
    draft.write(f.videoAndAudioMb, videoKilobytes / kKilobytesPerMegabyte +
                                       (audioKilobytes(draft, f.audio1) / kKilobytesPerMegabyte +
                                        audioKilobytes(draft, f.audio2) / kKilobytesPerMegabyte));
}

void BitrateCalculation::bars(FieldDraft& draft) {
    auto& f = form_;
    for (std::size_t disc = 0; disc < kDiscTypes.size(); ++disc) {
        const double megabytesPerTwip = kDiscTypes[disc].megabytesPerTwip;
        draft.write(f.videoBars[disc], draft.number(f.videoMb) / megabytesPerTwip);
        draft.write(f.audio1.bars[disc], draft.number(f.audio1.sizeMb) / megabytesPerTwip);
        draft.write(f.audio2.bars[disc], draft.number(f.audio2.sizeMb) / megabytesPerTwip);
    }
}

} // namespace kelvaro
