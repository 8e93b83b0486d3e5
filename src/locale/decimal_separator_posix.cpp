#include "locale/decimal_separator.h"

#include <array>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>
#include <string_view>

namespace kelvaro {

namespace {

// Languages that write a decimal comma, for locales this machine has no data
// for (de_DE is often not generated on a fresh system).
constexpr std::array<std::string_view, 30> kCommaLanguages{
    "de", "fr", "es", "it", "nl", "pt", "ru", "pl", "cs", "sk", "da", "sv", "nb", "nn", "no",
    "fi", "tr", "el", "hu", "ro", "bg", "hr", "sl", "sr", "uk", "lt", "lv", "et", "ca", "id"};

bool isPointLocale(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX" || name.starts_with("C.");
}

char separatorFromLanguage(std::string_view name) {
    const std::string_view language = name.substr(0, name.find_first_of("_.@"));
    for (std::string_view comma : kCommaLanguages) {
        if (language == comma) {
            return ',';
        }
    }
    return '.';
}

// The locale's own numeric data where this machine has the locale, its
// language where it has not.
char decimalSeparatorOf(const char* localeName) {
    const std::string_view name = localeName ? localeName : "";
    if (isPointLocale(name)) {
        return '.';
    }
    locale_t locale = newlocale(LC_NUMERIC_MASK, localeName, static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) {
        return separatorFromLanguage(name);
    }
    const char* radix = nl_langinfo_l(RADIXCHAR, locale);
    const char separator = (radix && radix[0] == ',') ? ',' : '.';
    freelocale(locale);
    return separator;
}

} // namespace

char userDecimalSeparator() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            return decimalSeparatorOf(value);
        }
    }
    return '.';
}

} // namespace kelvaro
