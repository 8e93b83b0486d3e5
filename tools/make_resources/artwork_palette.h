#pragma once

#include <array>
#include <cstdint>

// The colours of the artwork, shared by the pixel images and the vector icon.
namespace kelvaro::palette {

struct Rgba {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t alpha = 255;
};

struct ColourStop {
    double position;
    Rgba colour;
};

// Window backgrounds, top to bottom: white, a pink-mauve band, deep blue.
// The upper half stays pale because the input panel's black labels sit there.
// The deep blue comes late: the black lines of the box around the calculate
// button reach down to the last rows and must still stand out.
inline constexpr std::array<ColourStop, 8> backgroundStops{{
    {0.00, {255, 255, 255}},
    {0.18, {254, 252, 253}},
    {0.38, {244, 222, 236}},
    {0.54, {228, 188, 218}},
    {0.70, {198, 162, 212}},
    {0.84, {132, 118, 194}},
    {0.98, {72, 74, 162}},
    {1.00, {30, 38, 120}},
}};

// Silver face of the disc, from the top-left corner to the bottom-right one.
inline constexpr std::array<ColourStop, 4> silverStops{{
    {0.00, {250, 251, 253}},
    {0.45, {206, 211, 219}},
    {0.70, {222, 226, 232}},
    {1.00, {184, 190, 201}},
}};

// Rainbow sheen around the disc, counter-clockwise from three o'clock:
// a colour fan at upper right and lower left, a white glint at upper left
// and lower right.
inline constexpr std::array<ColourStop, 22> sheenStops{{
    {0.000, {255, 255, 255, 0}},   {0.055, {255, 80, 210, 0}},    {0.085, {236, 90, 220, 105}},
    {0.105, {110, 120, 255, 125}}, {0.125, {70, 215, 245, 125}},  {0.145, {120, 235, 130, 115}},
    {0.165, {255, 228, 90, 105}},  {0.195, {255, 150, 80, 0}},    {0.300, {255, 255, 255, 0}},
    {0.375, {255, 255, 255, 150}}, {0.450, {255, 255, 255, 0}},   {0.555, {255, 80, 210, 0}},
    {0.585, {236, 90, 220, 105}},  {0.605, {110, 120, 255, 125}}, {0.625, {70, 215, 245, 125}},
    {0.645, {120, 235, 130, 115}}, {0.665, {255, 228, 90, 105}},  {0.695, {255, 150, 80, 0}},
    {0.800, {255, 255, 255, 0}},   {0.875, {255, 255, 255, 150}}, {0.950, {255, 255, 255, 0}},
    {1.000, {255, 255, 255, 0}},
}};

inline constexpr Rgba rim{118, 124, 138};
inline constexpr Rgba rimGlint{255, 255, 255, 170};
inline constexpr Rgba grooveLight{255, 255, 255, 110};
inline constexpr Rgba grooveDark{110, 120, 138, 70};
inline constexpr Rgba hub{212, 218, 227};
inline constexpr Rgba hubStackRing{146, 154, 168, 170};
inline constexpr Rgba mirrorBand{240, 242, 246};
inline constexpr Rgba mirrorEdge{150, 158, 172, 150};
inline constexpr Rgba holeEdge{124, 130, 142};

// The emblem: a film frame with a play triangle on a deep blue tile.
inline constexpr Rgba badgeTop{64, 100, 210};
inline constexpr Rgba badgeBottom{22, 36, 118};
inline constexpr Rgba badgeBorder{14, 22, 78};
inline constexpr Rgba sprocket{196, 210, 255};
inline constexpr Rgba playMark{255, 255, 255};

// About window text.
inline constexpr Rgba titleTop{28, 48, 140};
inline constexpr Rgba titleBottom{92, 36, 126};
inline constexpr Rgba titleShadow{60, 20, 90, 70};
inline constexpr Rgba subtitle{84, 40, 110};
inline constexpr Rgba accentLine{170, 110, 180, 200};
inline constexpr Rgba note{92, 88, 100};
inline constexpr Rgba copyright{236, 238, 252};

} // namespace kelvaro::palette
