#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace kelvaro {

// One item of the disc list: its text and item datum, what the disc holds,
// the slider's longest playing time on it, and the scale of its bar set.
struct DiscType {
    const char* item;
    std::int32_t datum;
    std::int32_t capacityKb;
    std::int16_t longestMinutes;
    double megabytesPerTwip;
};

// The disc list's items, in their order: a single-layer disc (4489 MB) and a
// dual-layer disc (8152 MB). Each has its set of bars, in the same order.
inline constexpr std::array<DiscType, 2> kDiscTypes{{
    {"4,7 GB   DVD", 1, 4596736, 620, 4},
    {"8,5 GB   DVD", 8, 8347648, 960, 7.4},
}};

// The position in kDiscTypes of the item with this datum; none when no item
// has it.
constexpr std::optional<std::size_t> discTypeOf(std::int32_t datum) {
    for (std::size_t disc = 0; disc < kDiscTypes.size(); ++disc) {
        if (kDiscTypes[disc].datum == datum) {
            return disc;
        }
    }
    return std::nullopt;
}

} // namespace kelvaro
