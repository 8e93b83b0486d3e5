#pragma once

#include <cstdio>
#include <string>

namespace kelvaro {

// How the program must write a number: C's "%.15G" with the locale's decimal
// separator, and no minus sign on zero.
inline std::string referenceNumberText(double value, char separator) {
    if (value == 0.0) {
        return "0";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    for (char& c : text) {
        if (c == '.') {
            c = separator;
        }
    }
    return text;
}

} // namespace kelvaro
