// Fuzz target for the number conversions. For any input, with either decimal
// separator: nothing crashes; a text that reads as a number reads as a finite
// one, the nearest double as C's strtod reads it (the sign of zero kept), and
// writing it and reading the text back is stable; the whole-number
// reading agrees with the number reading. The first eight bytes, taken as a
// double, are written like C's "%.15G" and read back as the same value at 15
// significant digits.
#include "reference_number_text.h"
#include "runtime/number_format.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void check(bool holds, const char* what, std::string_view input) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s for input \"%.*s\"\n", what,
                     static_cast<int>(input.size()), input.data());
        std::abort();
    }
}

// Written like "%.15G", the value reads back as itself at 15 significant
// digits, and written again gives the same text.
void writtenReadsBack(const kelvaro::NumberFormat& numbers, double value, std::string_view input) {
    const std::string written = numbers.toText(value);
    check(written == kelvaro::referenceNumberText(value, numbers.separator()),
          "written unlike %.15G", input);
    const std::optional<double> back = numbers.toDouble(written);
    check(back.has_value(), "a written text does not read back", input);
    check(kelvaro::referenceNumberText(*back, numbers.separator()) == written,
          "read back as another value at 15 significant digits", input);
    check(numbers.toText(*back) == written, "write, read, write is not stable", input);
}

void readAndWrite(const kelvaro::NumberFormat& numbers, std::string_view input) {
    const std::optional<double> value = numbers.toDouble(input);
    const std::optional<std::int16_t> whole = numbers.toInt16(input);
    if (!value) {
        check(!whole, "a whole number from a text that is no number", input);
        return;
    }
    std::string c(input);
    std::replace(c.begin(), c.end(), numbers.separator(), '.');
    // A text beyond the range that is accepted (the largest double at 15
    // digits) reads as the largest double.
    const double nearest = std::clamp(std::strtod(c.c_str(), nullptr), -DBL_MAX, DBL_MAX);
    check(*value == nearest && std::signbit(*value) == std::signbit(nearest), "read unlike strtod",
          input);
    const double rounded = std::nearbyint(*value);
    const bool inRange = rounded >= -32768.0 && rounded <= 32767.0;
    check(whole.has_value() == inRange, "whole number reading disagrees on the range", input);
    check(!whole || *whole == rounded, "whole number is not the value rounded half to even", input);
    writtenReadsBack(numbers, *value, input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (char separator : {',', '.'}) {
        const kelvaro::NumberFormat numbers(separator);
        readAndWrite(numbers, input);
        if (size >= sizeof(double)) {
            double value = 0;
            std::memcpy(&value, data, sizeof value);
            if (std::isfinite(value)) {
                writtenReadsBack(numbers, value, input);
            }
        }
    }
    return 0;
}
