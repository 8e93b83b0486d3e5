#include "reference_calculation.h"

#include "calc/bitrate_calculation.h"
#include "reference_number_text.h"

#include <cmath>
#include <limits>

namespace kelvaro {

namespace {

struct Refused {};

struct ResolutionTest {
    bool above;
    double threshold;
    const char* resolution;
};

} // namespace

ReferenceCalculation::Result
ReferenceCalculation::run(const Form1& f, const std::string& previousLabel8, bool sliderPath) {
    Result result;
    std::vector<std::string> bad;
    for (const TextBox* input : f.numberInputs()) {
        if (!f.numbers.toDouble(input->text())) {
            bad.push_back(input->name());
        }
    }
    if (!bad.empty()) {
        result.refusal = Report{bad, ReportReason::NotANumber};
    } else if (*f.numbers.toDouble(f.minutes.text()) * 60 == 0) {
        result.refusal = Report{{"Text1"}, ReportReason::ZeroPlayingTime};
    } else {
        try {
            result.texts["Label8"] = previousLabel8;
            compute(f, result, sliderPath);
        } catch (const Refused&) {
            result = Result{Report{{}, ReportReason::CalculationFailed}, {}};
        }
    }
    return result;
}

void ReferenceCalculation::compute(const Form1& f, Result& r, bool sliderPath) {
    const auto in = [&f](const TextBox& box) { return *f.numbers.toDouble(box.text()); };
    const double t1 = in(f.minutes), t9 = in(f.audio1.count), t11 = in(f.audio1.kbPerSecond),
                 t15 = in(f.audio2.count), t16 = in(f.audio2.kbPerSecond), t10 = in(f.capacityKb),
                 t3 = in(f.extrasMb), t14 = in(f.subtitlesMb), t17 = in(f.overheadMb);
    const double t4 = write(f, r, "Text4", t1 * 60);
    const double t5 = write(f, r, "Text5", t4 * t9 * t11);
    const double t18 = write(f, r, "Text18", t4 * t15 * t16);
    const double l22 = write(f, r, "Label22", t4 * t9 * t11 / 1024);
    const double l29 = write(f, r, "Label29", t4 * t15 * t16 / 1024);
    const double t7 =
        write(f, r, "Text7", t10 - t5 - t18 - t3 * 1024 - t14 * 1024 * 0.5 - t17 * 1024);
    double t8 = write(f, r, "Text8", t7 * 8 / t4, true);
    if (t8 >= 9608) {
        r.texts["Text8"] = "9608";
        t8 = 9608;
    }
    write(f, r, "Text12", (t8 + 500) / 2, true);
    write(f, r, "Text13", (t8 + 9800) / 2, true);
    // Each test that holds overrides the ones before it.
    constexpr std::array<ResolutionTest, 4> tests{{{true, 3200, "720x576"},
                                                   {false, 2750, "480x576"},
                                                   {false, 1900, "352x576"},
                                                   {false, 1300, "352x288"}}};
    for (const ResolutionTest& test : tests) {
        if (test.above ? t8 > test.threshold : t8 < test.threshold) {
            r.texts["Label8"] = test.resolution;
            t8 = write(f, r, "Text8", t8, true);
        }
    }
    const double video = t4 * t8 / 8;
    const double l13 = write(f, r, "Label13", (sliderPath ? std::fabs(video) : video) / 1024);
    write(f, r, "Label26", t4 * t8 / 8 / 1024 + (t4 * t9 * t11 / 1024 + t4 * t15 * t16 / 1024));
    r.widths = {width(l13 / 4),   width(l22 / 4),   width(l29 / 4),
                width(l13 / 7.4), width(l22 / 7.4), width(l29 / 7.4)};
}

// Writes value as the field would hold it; the number its text reads as.
double ReferenceCalculation::write(const Form1& f, Result& result, const std::string& name,
                                   double value, bool resultBox) {
    if (!std::isfinite(value)) {
        throw Refused{};
    }
    std::string text = referenceNumberText(value, f.numbers.separator());
    if (resultBox && text.size() > 5) {
        // The cut would take digits of an exponent: another number, or none.
        if (text.find('E') != std::string::npos) {
            throw Refused{};
        }
        text.resize(5);
    }
    const std::optional<double> back = f.numbers.toDouble(text);
    if (!back) {
        throw Refused{};
    }
    result.texts[name] = text;
    return *back;
}

float ReferenceCalculation::width(double twips) {
    if (twips > std::numeric_limits<float>::max()) {
        throw Refused{};
    }
    return twips < 0 ? 0.0f : static_cast<float>(twips);
}

} // namespace kelvaro
