#pragma once

#include "calc/form1.h"
#include "runtime/number_format.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace kelvaro {

// What one run of the calculation must leave, worked out step by step from
// the fields' texts the way the calculation is described: each step reads
// the texts written before it, computes in double precision, left to right,
// and writes the value as text ("%.15G" with the locale's separator), cut to
// five characters in the result boxes. A run is refused when a field reads as
// no number, the playing time is zero, a value is not finite or its text
// reads as no number, a bar would be wider than single precision holds, or a
// result box would have to cut an exponent form.
class ReferenceCalculation {
public:
    enum class Outcome { Done, NotANumber, ZeroPlayingTime, Failed };

    struct Result {
        Outcome outcome = Outcome::Done;
        std::vector<std::string> badFields;       // for NotANumber, in the order checked
        std::map<std::string, std::string> texts; // field or label: its text
        std::array<float, 6> widths{};            // Shape1, 2, 3, 6, 7, 8
    };

    explicit ReferenceCalculation(const NumberFormat& numbers) : numbers_(numbers) {}

    // The calculation on the fields of form; previousLabel8 is the caption
    // before the run, kept while the average lies between two thresholds.
    Result run(const Form1& form, const std::string& previousLabel8, bool sliderPath) const;

private:
    void compute(const Form1& f, Result& result, bool sliderPath) const;
    double write(Result& result, const std::string& name, double value, bool resultBox) const;
    static float width(double twips);

    const NumberFormat& numbers_;
};

} // namespace kelvaro
