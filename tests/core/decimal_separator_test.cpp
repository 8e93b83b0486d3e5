// The decimal separator the program takes from the user's environment: which
// variable decides, and the locale's own numeric data where the machine has
// the locale, its language where it has not.
#include "locale/decimal_separator.h"
#include "scoped_variable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <tuple>
#include <unistd.h>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// Two locales this machine has, made in a private directory that LOCPATH
// names: Danish English writes a decimal comma and Swiss German a point,
// each against what its language alone would give. Only their numeric part
// is defined, which is all the program reads, in plain ASCII, which keeps
// localedef fast; so the names carry no codeset (glibc would refuse a
// "UTF-8" name whose data is not). -c: the other categories are left
// undefined on purpose. Empty when localedef could not make them.
fs::path privateLocales() {
    const fs::path dir =
        fs::temp_directory_path() / ("kelvaro-locales-" + std::to_string(getpid()));
    for (const auto& [name, point, thousands] :
         {std::tuple{"en_DK", ",", "."}, {"de_CH", ".", "'"}}) {
        const fs::path source = dir / (std::string(name) + ".def");
        fs::create_directories(dir);
        std::ofstream(source) << "LC_NUMERIC\ndecimal_point \"" << point << "\"\nthousands_sep \""
                              << thousands << "\"\ngrouping 3;3\nEND LC_NUMERIC\n";
        const std::string command = "localedef -c -f ANSI_X3.4-1968 -i '" + source.string() +
                                    "' '" + (dir / name).string() + "' >/dev/null 2>&1";
        std::system(command.c_str());
        if (!fs::exists(dir / name / "LC_NUMERIC")) {
            return {};
        }
    }
    return dir;
}

constexpr const char* kUnset = nullptr;

struct EnvironmentRow {
    const char* name;
    const char* lcAll;
    const char* lcNumeric;
    const char* lang;
    char separator;
};

class SeparatorFromEnvironment : public ::testing::TestWithParam<EnvironmentRow> {
protected:
    static void SetUpTestSuite() { locales_ = privateLocales(); }
    static void TearDownTestSuite() {
        std::error_code ignored;
        fs::remove_all(locales_, ignored);
    }
    static inline fs::path locales_;
};

TEST_P(SeparatorFromEnvironment, FirstSetVariableDecides) {
    ASSERT_FALSE(locales_.empty()) << "localedef could not make the private locales";
    const EnvironmentRow& row = GetParam();
    const ScopedVariable path("LOCPATH", locales_.c_str());
    const ScopedVariable all("LC_ALL", row.lcAll);
    const ScopedVariable numeric("LC_NUMERIC", row.lcNumeric);
    const ScopedVariable lang("LANG", row.lang);
    EXPECT_EQ(userDecimalSeparator(), row.separator);
}

// de_AT, sr and en_GB are not on the machine (only C, C.UTF-8 and POSIX
// are, besides the private ones): their language decides. Every variable is
// read alike, so an empty one skipped and the present locales are met once.
INSTANTIATE_TEST_SUITE_P(
    Rows, SeparatorFromEnvironment,
    ::testing::Values(
        EnvironmentRow{"none_set", kUnset, kUnset, kUnset, '.'},
        EnvironmentRow{"lc_all_over_the_others", "de_AT.UTF-8", "C", "en_GB.UTF-8", ','},
        EnvironmentRow{"lc_numeric_over_lang", kUnset, "de_AT.UTF-8", "en_GB.UTF-8", ','},
        EnvironmentRow{"lang_alone", kUnset, kUnset, "de_AT.UTF-8", ','},
        EnvironmentRow{"empty_lc_all_skipped", "", "de_AT.UTF-8", "en_GB.UTF-8", ','},
        EnvironmentRow{"modifier_without_territory", kUnset, kUnset, "sr@latin", ','},
        EnvironmentRow{"missing_point_language", kUnset, kUnset, "en_GB.UTF-8", '.'},
        EnvironmentRow{"posix", "POSIX", kUnset, "de_AT.UTF-8", '.'},
        EnvironmentRow{"present_comma_in_a_point_language", kUnset, "en_DK", kUnset, ','},
        EnvironmentRow{"present_point_in_a_comma_language", "de_CH", kUnset, kUnset, '.'}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvaro
