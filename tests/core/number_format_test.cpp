#include "runtime/number_format.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvaro {
namespace {

// Which texts read as numbers. The value each reads as (the nearest double,
// as strtod reads it), numbers written like C's "%.15G" and texts read as
// whole numbers, rounded half to even within 16 bits, are checked by the fuzz
// target on its seeds (tests/fuzz/corpus, which hold these texts too).

// The numbers of the locale, with blanks and signs around them, a dangling
// separator, exponents, underflow to zero; fifteen digits round the largest
// double up a little beyond the range, and that text still reads.
TEST(TextToNumber, ReadsTheNumbersOfTheLocale) {
    for (const char* text : {"4596736",
                             "1,5",
                             "4824,",
                             ",5",
                             "-11284,7",
                             "+12",
                             "090",
                             "-0",
                             "  12,5  ",
                             "\t7\t",
                             "1,5E-05",
                             "1E+15",
                             "2e3",
                             "5,E2",
                             "1,7976931348623157E308",
                             "1,79769313486232E+308",
                             "-1,79769313486232E+308",
                             "1E-310",
                             "1E-400",
                             "1E-99999999999",
                             "1E-0000000000400",
                             "0E999"}) {
        EXPECT_TRUE(NumberFormat(',').toDouble(text).has_value()) << '"' << text << '"';
    }
    // Leading zeros count for nothing: behind two hundred of them, 1E-400 still underflows.
    EXPECT_TRUE(NumberFormat(',').toDouble(std::string(200, '0') + "1E-400").has_value());
    for (const char* text : {"1.5", "5.", ".5", "1.5E-05"}) {
        EXPECT_TRUE(NumberFormat('.').toDouble(text).has_value()) << '"' << text << '"';
    }
}

// Texts that are no number: the other separator or grouping, signs,
// separators and exponents without digits, anything but blanks around the
// number, C's words, hexadecimal, and values beyond the range.
TEST(TextToNumber, RefusesEverythingElse) {
    // clang-format off
    for (const char* text : {"1.5", "1.000", "1 000", "1,2,3", "", "   ", "+", "-", ",", "-,", "- 5",
                             "+-1", "1E", "1E-", "E5", ",E5", "1E2,5", "abc", "12a", "0x1A", "5\n",
                             "\u00A05", "inf", "-Infinity", "nan", "1E309", "-1E309",
                             "1E99999999999", "1E0000000000400", "1,79769313486233E+308", "1,8E+308"}) {
        // clang-format on
        EXPECT_FALSE(NumberFormat(',').toDouble(text).has_value()) << '"' << text << '"';
    }
    for (const char* text : {"1,5", "1,000", "."}) {
        EXPECT_FALSE(NumberFormat('.').toDouble(text).has_value()) << '"' << text << '"';
    }
}

} // namespace
} // namespace kelvaro
