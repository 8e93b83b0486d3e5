#pragma once

namespace kelvaro {

// The decimal separator of the user's locale, from LC_ALL, then LC_NUMERIC,
// then LANG: a point when none is set or the locale is C or POSIX.
char decimalSeparatorFromEnvironment();

// The same for a locale name such as "de_DE.UTF-8".
char decimalSeparatorOf(const char* localeName);

} // namespace kelvaro
