#include "runtime/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace kelvaro {
namespace {

constexpr std::optional<double> kNone = std::nullopt;

std::string withSeparator(std::string text, char separator) {
    for (char& c : text) {
        if (c == '.') {
            c = separator;
        }
    }
    return text;
}

// Text to number.
struct ToDoubleRow {
    const char* name;
    char separator;
    const char* text;
    std::optional<double> value;
};

class TextToNumber : public ::testing::TestWithParam<ToDoubleRow> {};

TEST_P(TextToNumber, ReadsOnlyNumbersOfTheLocale) {
    const ToDoubleRow& row = GetParam();
    const std::optional<double> value = NumberFormat(row.separator).toDouble(row.text);
    ASSERT_EQ(value.has_value(), row.value.has_value()) << '"' << row.text << '"';
    if (value) {
        EXPECT_EQ(*value, *row.value);
        EXPECT_TRUE(std::isfinite(*value));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextToNumber,
    ::testing::Values(
        ToDoubleRow{"de_whole", ',', "4596736", 4596736},
        ToDoubleRow{"de_fraction", ',', "1,5", 1.5},
        ToDoubleRow{"de_dangling_separator", ',', "4824,", 4824},
        ToDoubleRow{"de_leading_separator", ',', ",5", 0.5},
        ToDoubleRow{"de_negative", ',', "-11284,7", -11284.7},
        ToDoubleRow{"de_negative_cut", ',', "-1128", -1128},
        ToDoubleRow{"de_plus_sign", ',', "+12", 12},
        ToDoubleRow{"de_leading_zeros", ',', "090", 90},
        ToDoubleRow{"de_negative_zero", ',', "-0", 0},
        ToDoubleRow{"de_blanks_around", ',', "  12,5  ", 12.5},
        ToDoubleRow{"de_tabs_around", ',', "\t7\t", 7},
        ToDoubleRow{"de_exponent_as_written", ',', "1,5E-05", 0.000015},
        ToDoubleRow{"de_exponent_plus", ',', "1E+15", 1e15},
        ToDoubleRow{"de_exponent_lower_case", ',', "2e3", 2000},
        ToDoubleRow{"de_dangling_separator_exponent", ',', "5,E2", 500},
        ToDoubleRow{"de_largest_double", ',', "1,7976931348623157E308", DBL_MAX},
        ToDoubleRow{"de_subnormal", ',', "1E-310", 1e-310},
        ToDoubleRow{"de_underflow_is_zero", ',', "1E-400", 0},
        ToDoubleRow{"de_huge_negative_exponent", ',', "1E-99999999999", 0},
        ToDoubleRow{"de_underflow_exponent_with_leading_zeros", ',', "1E-0000000000400", 0},
        ToDoubleRow{"de_overflow_exponent_with_leading_zeros", ',', "1E0000000000400", kNone},
        ToDoubleRow{
            "de_underflow_many_fraction_digits", ',',
            "0,000000000000000000000000000000000000000000000000000000000000000000000000000"
            "00000000000000000000000000000000000000000000000000000000000000000000000000000"
            "00000000000000000000000000000000000000000000000000000000000000000000000000000"
            "00000000000000000000000000000000000000000000000000000000000000000000000000000"
            "000000000000000000000000000000000000000000000000000000000000000000000000000001",
            0},
        ToDoubleRow{"de_zero_with_huge_exponent", ',', "0E999", 0},
        ToDoubleRow{"de_point_is_no_separator", ',', "1.5", kNone},
        ToDoubleRow{"de_point_grouping", ',', "1.000", kNone},
        ToDoubleRow{"de_blank_grouping", ',', "1 000", kNone},
        ToDoubleRow{"de_two_separators", ',', "1,2,3", kNone},
        ToDoubleRow{"de_empty", ',', "", kNone}, ToDoubleRow{"de_blanks_only", ',', "   ", kNone},
        ToDoubleRow{"de_lone_plus", ',', "+", kNone}, ToDoubleRow{"de_lone_minus", ',', "-", kNone},
        ToDoubleRow{"de_lone_separator", ',', ",", kNone},
        ToDoubleRow{"de_sign_and_separator", ',', "-,", kNone},
        ToDoubleRow{"de_blank_after_sign", ',', "- 5", kNone},
        ToDoubleRow{"de_two_signs", ',', "+-1", kNone},
        ToDoubleRow{"de_dangling_exponent", ',', "1E", kNone},
        ToDoubleRow{"de_exponent_sign_only", ',', "1E-", kNone},
        ToDoubleRow{"de_exponent_without_digits_before", ',', "E5", kNone},
        ToDoubleRow{"de_separator_before_exponent", ',', ",E5", kNone},
        ToDoubleRow{"de_fractional_exponent", ',', "1E2,5", kNone},
        ToDoubleRow{"de_letters", ',', "abc", kNone},
        ToDoubleRow{"de_trailing_letter", ',', "12a", kNone},
        ToDoubleRow{"de_hexadecimal", ',', "0x1A", kNone},
        ToDoubleRow{"de_newline_after", ',', "5\n", kNone},
        ToDoubleRow{"de_no_break_space_before", ',',
                    "\xC2\xA0"
                    "5",
                    kNone},
        ToDoubleRow{"de_inf", ',', "inf", kNone},
        ToDoubleRow{"de_infinity", ',', "-Infinity", kNone},
        ToDoubleRow{"de_nan", ',', "nan", kNone}, ToDoubleRow{"de_overflow", ',', "1E309", kNone},
        ToDoubleRow{"de_negative_overflow", ',', "-1E309", kNone},
        ToDoubleRow{"de_huge_exponent", ',', "1E99999999999", kNone},
        ToDoubleRow{"c_fraction", '.', "1.5", 1.5},
        ToDoubleRow{"c_dangling_separator", '.', "5.", 5},
        ToDoubleRow{"c_leading_separator", '.', ".5", 0.5},
        ToDoubleRow{"c_exponent_as_written", '.', "1.5E-05", 0.000015},
        ToDoubleRow{"c_comma_is_no_separator", '.', "1,5", kNone},
        ToDoubleRow{"c_comma_grouping", '.', "1,000", kNone},
        ToDoubleRow{"c_lone_separator", '.', ".", kNone}),
    [](const auto& info) { return std::string(info.param.name); });

// Texts read exactly as the C library reads them: the nearest double, the
// sign of zero kept. The rows lie on both sides of the short texts that are
// read without a general decimal conversion (15 significant digits, 22
// fraction digits).
struct CorrectlyRoundedRow {
    const char* name;
    const char* text; // with a point, as strtod reads it
};

class TextToNearestNumber : public ::testing::TestWithParam<CorrectlyRoundedRow> {};

TEST_P(TextToNearestNumber, GivesTheSameDoubleAsStrtodInBothLocales) {
    const CorrectlyRoundedRow& row = GetParam();
    const double expected = std::strtod(row.text, nullptr);
    for (char separator : {'.', ','}) {
        const std::optional<double> value =
            NumberFormat(separator).toDouble(withSeparator(row.text, separator));
        ASSERT_TRUE(value.has_value()) << separator;
        EXPECT_EQ(*value, expected) << separator;
        EXPECT_EQ(std::signbit(*value), std::signbit(expected)) << separator;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextToNearestNumber,
    ::testing::Values(CorrectlyRoundedRow{"tenth", "0.1"}, CorrectlyRoundedRow{"third", "0.3"},
                      CorrectlyRoundedRow{"written_average", "4824.46222222222"},
                      CorrectlyRoundedRow{"fifteen_digits", "123456789012345"},
                      CorrectlyRoundedRow{"fifteen_digits_with_fraction", "12345678.9012345"},
                      CorrectlyRoundedRow{"sixteen_digits", "1234567890123456"},
                      CorrectlyRoundedRow{"halfway_beyond_two_to_the_53", "9007199254740993"},
                      CorrectlyRoundedRow{"seventeen_digits", "0.30000000000000001"},
                      CorrectlyRoundedRow{"twenty_two_fraction_digits", "0.0000000000000000000001"},
                      CorrectlyRoundedRow{"twenty_three_fraction_digits",
                                          "0.00000000000000000000001"},
                      CorrectlyRoundedRow{"leading_zeros_do_not_count", "0000000000000000000012.5"},
                      CorrectlyRoundedRow{"trailing_zeros_count", "1.00000000000000000000"},
                      CorrectlyRoundedRow{"negative_fraction", "-0.000015"},
                      CorrectlyRoundedRow{"negative_zero", "-0"},
                      CorrectlyRoundedRow{"negative_zero_fraction", "-0.000"}),
    [](const auto& info) { return std::string(info.param.name); });

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
