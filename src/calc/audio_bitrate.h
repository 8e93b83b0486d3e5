#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace kelvaro {

// One item of the audio lists: its text, its item datum, and the data rate
// of one track in KB per second, the listed kbit/s divided by 8.
struct AudioBitrate {
    const char* item;
    std::int32_t datum;
    std::int16_t kbPerSecond;
};

// The audio lists' items, in their order.
inline constexpr std::array<AudioBitrate, 12> kAudioBitrates{{
    {"None", 0, 0},
    {"96 kbps", 1, 12},
    {"112 kbps", 2, 14},
    {"128 kbps", 3, 16},
    {"160 kbps", 4, 20},
    {"192 kbps", 5, 24},
    {"224 kbps", 6, 28},
    {"256 kbps", 7, 32},
    {"320 kbps", 8, 40},
    {"384 kbps", 9, 48},
    {"448 kbps", 10, 56},
    {"1536 kbps", 11, 192},
}};

// The data rate of one track for the item with this datum; none when no
// item has it.
constexpr std::optional<std::int16_t> audioRateOf(std::int32_t datum) {
    for (const AudioBitrate& bitrate : kAudioBitrates) {
        if (bitrate.datum == datum) {
            return bitrate.kbPerSecond;
        }
    }
    return std::nullopt;
}

} // namespace kelvaro
