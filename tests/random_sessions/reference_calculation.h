#pragma once

#include "calc/form1.h"

#include <array>
#include <map>
#include <optional>
#include <string>

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
    struct Result {
        std::optional<Report> refusal;            // the report of a refused run
        std::map<std::string, std::string> texts; // field or label: its text
        std::array<float, 6> widths{};            // Shape1, 2, 3, 6, 7, 8
    };

    // The calculation on the fields of form; previousLabel8 is the caption
    // before the run, kept while the average lies between two thresholds.
    static Result run(const Form1& form, const std::string& previousLabel8, bool sliderPath);

private:
    static void compute(const Form1& f, Result& result, bool sliderPath);
    static double write(const Form1& f, Result& result, const std::string& name, double value,
                        bool resultBox = false);
    static float width(double twips);
};

} // namespace kelvaro
