#include "runtime/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace kelvaro {
namespace {

std::string withSeparator(std::string text, char separator) {
    for (char& c : text) {
        if (c == '.') {
            c = separator;
        }
    }
    return text;
}

// Text to number: what the texts of numbers in the locale read as, with
// the separator's other reading refused.
struct NumberRow {
    char separator;
    const char* text;
    double value;
};

const NumberRow kNumbers[] = {
    {',', "4596736", 4596736},
    {',', "1,5", 1.5},
    {',', "4824,", 4824}, // a dangling separator
    {',', ",5", 0.5},
    {',', "-11284,7", -11284.7},
    {',', "-1128", -1128},
    {',', "+12", 12},
    {',', "090", 90},
    {',', "-0", 0},
    {',', "  12,5  ", 12.5},
    {',', "\t7\t", 7},
    {',', "1,5E-05", 0.000015}, // an exponent as the program writes it
    {',', "1E+15", 1e15},
    {',', "2e3", 2000},
    {',', "5,E2", 500},
    {',', "1,7976931348623157E308", DBL_MAX},
    {',', "1E-310", 1e-310}, // subnormal
    {',', "1E-400", 0},      // underflows are zero
    {',', "1E-99999999999", 0},
    {',', "1E-0000000000400", 0},
    {',', "0E999", 0},
    {'.', "1.5", 1.5},
    {'.', "5.", 5},
    {'.', ".5", 0.5},
    {'.', "1.5E-05", 0.000015},
};

TEST(TextToNumber, ReadsTheNumbersOfTheLocale) {
    for (const NumberRow& row : kNumbers) {
        const std::optional<double> value = NumberFormat(row.separator).toDouble(row.text);
        ASSERT_TRUE(value.has_value()) << '"' << row.text << '"';
        EXPECT_EQ(*value, row.value) << '"' << row.text << '"';
    }
    // Many fraction digits below the range: 1E-384.
    const std::string tiny = "0," + std::string(383, '0') + "1";
    EXPECT_EQ(NumberFormat(',').toDouble(tiny), 0.0);
}

// Texts that are no number: the other separator or grouping, signs,
// separators and exponents without digits, anything but blanks around the
// number, C's words, hexadecimal, and values beyond the range.
TEST(TextToNumber, RefusesEverythingElse) {
    // clang-format off
    for (const char* text : {"1.5", "1.000", "1 000", "1,2,3", "", "   ", "+", "-", ",", "-,", "- 5",
                             "+-1", "1E", "1E-", "E5", ",E5", "1E2,5", "abc", "12a", "0x1A", "5\n",
                             "\u00A05", "inf", "-Infinity", "nan", "1E309", "-1E309",
                             "1E99999999999", "1E0000000000400"}) {
        // clang-format on
        EXPECT_FALSE(NumberFormat(',').toDouble(text).has_value()) << '"' << text << '"';
    }
    for (const char* text : {"1,5", "1,000", "."}) {
        EXPECT_FALSE(NumberFormat('.').toDouble(text).has_value()) << '"' << text << '"';
    }
}

// Texts read exactly as the C library reads them: the nearest double, the
// sign of zero kept. The texts lie on both sides of the short ones that are
// read without a general decimal conversion (15 significant digits, 22
// fraction digits); they are written with a point, as strtod reads them.
TEST(TextToNearestNumber, GivesTheSameDoubleAsStrtodInBothLocales) {
    for (const char* text :
         {"0.1", "0.3", "4824.46222222222", "123456789012345", "12345678.9012345",
          "1234567890123456", "9007199254740993", "0.30000000000000001", "0.0000000000000000000001",
          "0.00000000000000000000001", "0000000000000000000012.5", "1.00000000000000000000",
          "-0.000015", "-0", "-0.000"}) {
        const double expected = std::strtod(text, nullptr);
        for (char separator : {'.', ','}) {
            const std::optional<double> value =
                NumberFormat(separator).toDouble(withSeparator(text, separator));
            ASSERT_TRUE(value.has_value()) << text << " " << separator;
            EXPECT_EQ(*value, expected) << text << " " << separator;
            EXPECT_EQ(std::signbit(*value), std::signbit(expected)) << text << " " << separator;
        }
    }
}

// Numbers written like C's "%.15G" and texts read as whole numbers, rounded
// half to even within 16 bits: the fuzz target checks both on its seeds
// (tests/fuzz/corpus, among them every edge of the range and of the plain
// and the exponent form).

// Fifteen digits round the largest doubles up a little beyond the range;
// that text still reads back, as the largest double. Beyond it is overflow.
TEST(NumberToText, LargestDoubleIsWrittenBeyondTheRangeAndReadsBack) {
    const NumberFormat numbers(',');
    EXPECT_EQ(numbers.toText(DBL_MAX), "1,79769313486232E+308");
    EXPECT_EQ(numbers.toDouble(numbers.toText(DBL_MAX)), DBL_MAX);
    EXPECT_EQ(numbers.toDouble("-1,79769313486232E+308"), -DBL_MAX);
    EXPECT_EQ(numbers.toText(1.79769313486231e308), "1,79769313486231E+308");
    EXPECT_TRUE(numbers.toDouble("1,79769313486231E+308").has_value());
    EXPECT_FALSE(numbers.toDouble("1,79769313486233E+308").has_value());
    EXPECT_FALSE(numbers.toDouble("1,8E+308").has_value());
}

} // namespace
} // namespace kelvaro
