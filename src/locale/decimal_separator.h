#pragma once

namespace kelvaro {

// The decimal separator of the user's regional format: a comma or a point.
// On Linux it comes from LC_ALL, then LC_NUMERIC, then LANG (a point when
// none is set or the locale is C or POSIX); on Windows from the user's
// regional settings, and no environment variable is read.
char userDecimalSeparator();

} // namespace kelvaro
