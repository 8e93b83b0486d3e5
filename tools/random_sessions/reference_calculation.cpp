#include "reference_calculation.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace kelvaro {

namespace {

constexpr std::size_t kResultBoxLength = 5;

struct Failure {
    std::string why;
};

} // namespace

std::string ReferenceCalculation::text(double value, char separator) {
    if (value == 0.0) {
        return "0";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string out = buffer;
    for (char& c : out) {
        if (c == '.') {
            c = separator;
        }
    }
    return out;
}

// One run: the texts written so far, and reads that see them.
class ReferenceCalculation::Run {
public:
    Run(const NumberFormat& numbers, Result& result) : numbers_(numbers), result_(result) {}

    double read(const std::string& name, const std::string& text) const {
        std::optional<double> value = numbers_.toDouble(text);
        if (!value) {
            throw Failure{name + " would hold \"" + text + "\", which reads as no number"};
        }
        return *value;
    }

    // Writes value into a field and returns the number the field then reads as.
    double write(const std::string& name, double value, bool resultBox = false) {
        if (!std::isfinite(value)) {
            throw Failure{name + " would get a value that is not finite"};
        }
        std::string written = text(value, numbers_.separator());
        if (resultBox) {
            // The cut would take digits of the exponent: the number shown
            // would be another one, or none at all.
            if (written.find('E') != std::string::npos && written.size() > kResultBoxLength) {
                throw Failure{name + " cannot show " + written + " in five characters"};
            }
            written = written.substr(0, kResultBoxLength);
        }
        return writeText(name, written);
    }

    double writeText(const std::string& name, const std::string& written) {
        for (auto& [field, held] : result_.texts) {
            if (field == name) {
                held = written;
                return read(name, written);
            }
        }
        result_.texts.emplace_back(name, written);
        return read(name, written);
    }

    void caption(const std::string& name, const std::string& written) {
        for (auto& [field, held] : result_.texts) {
            if (field == name) {
                held = written;
                return;
            }
        }
        result_.texts.emplace_back(name, written);
    }

    static float width(double twips) {
        if (!std::isfinite(twips) || twips > std::numeric_limits<float>::max()) {
            throw Failure{"a bar would get a width beyond single precision"};
        }
        return twips < 0 ? 0.0f : static_cast<float>(twips);
    }

private:
    const NumberFormat& numbers_;
    Result& result_;
};

ReferenceCalculation::Result ReferenceCalculation::run(const Form1& f,
                                                       const std::string& previousLabel8,
                                                       bool sliderPath) const {
    Result result;
    const std::array<const TextBox*, 9> inputs{
        &f.minutes,      &f.audio1.count,       &f.audio1.kbPerSecond,
        &f.audio2.count, &f.audio2.kbPerSecond, &f.capacityKb,
        &f.extrasMb,     &f.subtitlesMb,        &f.overheadMb};
    for (const TextBox* input : inputs) {
        if (!numbers_.toDouble(input->text())) {
            result.badFields.push_back(input->name());
        }
    }
    if (!result.badFields.empty()) {
        result.outcome = Outcome::NotANumber;
        return result;
    }
    auto in = [&](const TextBox& box) { return *numbers_.toDouble(box.text()); };
    const double t1 = in(f.minutes), t9 = in(f.audio1.count), t11 = in(f.audio1.kbPerSecond),
                 t15 = in(f.audio2.count), t16 = in(f.audio2.kbPerSecond), t10 = in(f.capacityKb),
                 t3 = in(f.extrasMb), t14 = in(f.subtitlesMb), t17 = in(f.overheadMb);
    if (t1 * 60 == 0) {
        result.outcome = Outcome::ZeroPlayingTime;
        return result;
    }
    Run r(numbers_, result);
    try {
        const double t4 = r.write("Text4", t1 * 60);
        const double t5 = r.write("Text5", t4 * t9 * t11);
        const double t18 = r.write("Text18", t4 * t15 * t16);
        const double l22 = r.write("Label22", t4 * t9 * t11 / 1024);
        const double l29 = r.write("Label29", t4 * t15 * t16 / 1024);
        const double t7 =
            r.write("Text7", t10 - t5 - t18 - t3 * 1024 - t14 * 1024 * 0.5 - t17 * 1024);
        double t8 = r.write("Text8", t7 * 8 / t4, true);
        if (t8 >= 9608) {
            t8 = r.writeText("Text8", "9608");
        }
        r.write("Text12", (t8 + 500) / 2, true);
        r.write("Text13", (t8 + 9800) / 2, true);
        r.caption("Label8", previousLabel8);
        const std::array<std::pair<bool, double>, 4> tests{
            {{true, 3200}, {false, 2750}, {false, 1900}, {false, 1300}}};
        const std::array<const char*, 4> resolutions{"720x576", "480x576", "352x576", "352x288"};
        for (std::size_t i = 0; i < tests.size(); ++i) {
            const auto [above, threshold] = tests[i];
            if (above ? t8 > threshold : t8 < threshold) {
                r.caption("Label8", resolutions[i]);
                t8 = r.write("Text8", t8, true);
            }
        }
        const double l13 = sliderPath ? r.write("Label13", std::fabs(t4 * t8 / 8) / 1024)
                                      : r.write("Label13", t4 * t8 / 8 / 1024);
        r.write("Label26", t4 * t8 / 8 / 1024 + (t4 * t9 * t11 / 1024 + t4 * t15 * t16 / 1024));
        result.widths = {Run::width(l13 / 4),   Run::width(l22 / 4),   Run::width(l29 / 4),
                         Run::width(l13 / 7.4), Run::width(l22 / 7.4), Run::width(l29 / 7.4)};
    } catch (const Failure& failure) {
        result.outcome = Outcome::Failed;
        result.why = failure.why;
        result.texts.clear();
    }
    return result;
}

} // namespace kelvaro
