#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// Conversions between field texts and numbers in the user's locale. The
// decimal separator is handed in; nothing here reads the environment.
class NumberFormat {
public:
    explicit NumberFormat(char decimalSeparator = '.');

    char separator() const { return separator_; }

    // Up to 15 significant digits, no trailing zeros, exponent form
    // ("1E+15", "1,5E-05") below 1E-4 and from 1E15 on; negative zero is "0".
    std::string toText(double value) const;

    // Plain decimal digits with a leading minus sign when negative.
    static std::string toText(std::int16_t value);

    // Blanks and tabs around the number, an optional sign, digits with at
    // most one separator, an optional exponent. Empty or not finite: none.
    std::optional<double> toDouble(std::string_view text) const;

    // toDouble, rounded half to even, within -32768 to 32767.
    std::optional<std::int16_t> toInt16(std::string_view text) const;

private:
    char separator_;
};

} // namespace kelvaro
