#pragma once

#include <algorithm>
#include <cstdio>
#include <string>

namespace kelvaro {

// How the program must write a number: C's "%.15G" with the locale's decimal
// separator, and no minus sign on zero.
inline std::string referenceNumberText(double value, char separator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value == 0.0 ? 0.0 : value);
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

} // namespace kelvaro
