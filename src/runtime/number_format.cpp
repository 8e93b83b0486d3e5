#include "runtime/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kelvaro {

namespace {

constexpr int kSignificantDigits = 15;
constexpr double kFirstExponentValue = 1e15;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view takeDigits(std::string_view& rest) {
    std::size_t n = 0;
    while (n < rest.size() && isDigit(rest[n])) {
        ++n;
    }
    std::string_view digits = rest.substr(0, n);
    rest.remove_prefix(n);
    return digits;
}

// Takes an optional sign; true when it was a minus.
bool takeSign(std::string_view& rest) {
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        const bool minus = rest.front() == '-';
        rest.remove_prefix(1);
        return minus;
    }
    return false;
}

// A number split into the pieces our rules allow.
struct NumberParts {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
    bool exponentNegative = false;
    std::string_view exponent;
};

std::optional<NumberParts> split(std::string_view text, char separator) {
    NumberParts parts;
    std::string_view rest = trimBlanks(text);
    parts.negative = takeSign(rest);
    parts.whole = takeDigits(rest);
    if (!rest.empty() && rest.front() == separator) {
        rest.remove_prefix(1);
        parts.fraction = takeDigits(rest);
    }
    if (parts.whole.empty() && parts.fraction.empty()) {
        return std::nullopt;
    }
    if (!rest.empty() && (rest.front() == 'E' || rest.front() == 'e')) {
        rest.remove_prefix(1);
        parts.exponentNegative = takeSign(rest);
        parts.exponent = takeDigits(rest);
        if (parts.exponent.empty()) {
            return std::nullopt;
        }
    }
    if (!rest.empty()) {
        return std::nullopt;
    }
    return parts;
}

// Up to 15 significant digits and up to 22 digits after the separator, no
// exponent: the digits as a whole number and the power of ten are both exact
// doubles, so one division rounds the text's value correctly, exactly as
// from_chars does. Nothing for any other text.
std::optional<double> exactQuotient(const NumberParts& parts) {
    constexpr std::size_t kMostFractionDigits = 22;
    constexpr int kMostSignificantDigits = 15;
    if (!parts.exponent.empty() || parts.fraction.size() > kMostFractionDigits) {
        return std::nullopt;
    }
    std::uint64_t digits = 0;
    int significant = 0;
    for (std::string_view part : {parts.whole, parts.fraction}) {
        for (char c : part) {
            if (digits == 0 && c == '0') {
                continue;
            }
            if (++significant > kMostSignificantDigits) {
                return std::nullopt;
            }
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        }
    }
    double scale = 1.0;
    for (std::size_t i = 0; i < parts.fraction.size(); ++i) {
        scale *= 10.0;
    }
    const double value = static_cast<double>(digits) / scale;
    return parts.negative ? -value : value;
}

// The form from_chars reads: "-12.5e-3".
std::string plainText(const NumberParts& parts) {
    std::string out = parts.negative ? "-" : "";
    out.append(parts.whole.empty() ? "0" : parts.whole);
    out += '.';
    out.append(parts.fraction.empty() ? "0" : parts.fraction);
    if (!parts.exponent.empty()) {
        out += parts.exponentNegative ? "e-" : "e";
        out.append(parts.exponent);
    }
    return out;
}

// The exponent's value; leading zeros count for nothing and nine digits
// decide, which is far beyond any double's.
long exponentOf(const NumberParts& parts) {
    std::string_view digits = parts.exponent;
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    long exponent = 0;
    for (char c : digits.substr(0, 9)) {
        exponent = exponent * 10 + (c - '0');
    }
    return parts.exponentNegative ? -exponent : exponent;
}

// Whether a number that from_chars found out of range is below one in
// magnitude (an underflow) rather than above the largest double.
bool isTiny(const NumberParts& parts) {
    const std::size_t firstDigit = parts.whole.find_first_not_of('0');
    long position = 0;
    if (firstDigit != std::string_view::npos) {
        position = static_cast<long>(parts.whole.size() - firstDigit);
    } else {
        const std::size_t firstFraction = parts.fraction.find_first_not_of('0');
        position = -static_cast<long>(
            firstFraction == std::string_view::npos ? parts.fraction.size() : firstFraction);
    }
    return exponentOf(parts) + position < 0;
}

// Fifteen digits write the largest doubles as 1.79769313486232E+308, a
// little above the largest double. Texts up to that one read as the largest
// double, so that every text the program writes reads back. The text is
// compared a tenth of the way down, where both it and the limit are doubles.
bool withinLargestText(const NumberParts& parts) {
    NumberParts mantissa = parts;
    mantissa.exponent = {};
    const std::string tenth = plainText(mantissa) + 'e' + std::to_string(exponentOf(parts) - 1);
    double value = 0.0;
    auto [end, ec] = std::from_chars(tenth.data(), tenth.data() + tenth.size(), value);
    return ec == std::errc{} && std::fabs(value) <= 1.79769313486232E+307;
}

} // namespace

NumberFormat::NumberFormat(char decimalSeparator) : separator_(decimalSeparator) {}

std::string NumberFormat::toText(double value) const {
    if (value == 0.0) {
        return "0";
    }
    std::array<char, 64> buffer{};
    if (std::fabs(value) < kFirstExponentValue && value == std::trunc(value)) {
        // Whole numbers below 1E15 are their plain digits.
        auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       static_cast<long long>(value));
        return std::string(buffer.data(), end);
    }
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, kSignificantDigits);
    std::string text(buffer.data(), ec == std::errc{} ? end : buffer.data());
    for (char& c : text) {
        if (c == '.') {
            c = separator_;
        } else if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

std::string NumberFormat::toText(std::int16_t value) {
    return std::to_string(value);
}

std::optional<double> NumberFormat::toDouble(std::string_view text) const {
    std::optional<NumberParts> parts = split(text, separator_);
    if (!parts) {
        return std::nullopt;
    }
    if (const std::optional<double> quick = exactQuotient(*parts)) {
        return quick;
    }
    const std::string plain = plainText(*parts);
    double value = 0.0;
    auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range && isTiny(*parts)) {
        return parts->negative ? -0.0 : 0.0;
    }
    if (ec == std::errc::result_out_of_range && withinLargestText(*parts)) {
        const double largest = std::numeric_limits<double>::max();
        return parts->negative ? -largest : largest;
    }
    if (ec != std::errc{} || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int16_t> NumberFormat::toInt16(std::string_view text) const {
    std::optional<double> value = toDouble(text);
    if (!value) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(*value);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace kelvaro
