#pragma once

#include <cmath>

namespace kelvaro {

// 15 twips make one pixel at 96 dots per inch; places are rounded to the
// nearest pixel.
constexpr double kTwipsPerPixel = 15.0;

inline int pixels(int twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

} // namespace kelvaro
