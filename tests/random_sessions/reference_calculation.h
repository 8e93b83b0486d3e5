#pragma once

#include "calc/form1.h"
#include "runtime/number_format.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {

// What one run of the calculation must leave, worked out step by step from
// the fields' texts the way the calculation is described: each step reads
// the texts written before it, computes in double precision, left to right,
// and writes the value as text (at most 15 significant digits, like C's
// "%.15G", with the locale's separator), cut to five characters in the result
// boxes. A run is refused when a field reads as no number, the playing time
// is zero, a value is not finite, a bar would be wider than single precision
// holds, or a result box would have to cut an exponent form. Used as the
// oracle of the random sessions.
class ReferenceCalculation {
public:
    enum class Outcome { Done, NotANumber, ZeroPlayingTime, Failed };

    struct Result {
        Outcome outcome = Outcome::Done;
        std::vector<std::string> badFields; // for NotANumber, in the order checked
        std::string why;                    // for Failed
        std::vector<std::pair<std::string, std::string>> texts; // field or label, text
        std::array<float, 6> widths{};                          // Shape1, 2, 3, 6, 7, 8
    };

    explicit ReferenceCalculation(const NumberFormat& numbers) : numbers_(numbers) {}

    // The calculation on the input fields of form; previousLabel8 is the
    // caption before the run, kept in the band from 2750 to 3200.
    Result run(const Form1& form, const std::string& previousLabel8, bool sliderPath) const;

    // A number as the program writes it, by the C library's "%.15G".
    static std::string text(double value, char separator);

private:
    class Run;

    const NumberFormat& numbers_;
};

} // namespace kelvaro
