#include "locale/decimal_separator.h"

#include <windows.h>

namespace kelvaro {

char userDecimalSeparator() {
    // Up to four characters and the terminator, as the regional settings allow.
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return length > 0 && separator[0] == L',' ? ',' : '.';
}

} // namespace kelvaro
