#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kelvaro {

// A small, portable random source (SplitMix64): the same seed gives the same
// numbers on every compiler and library, so a session can be replayed from
// its seed alone.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A whole number from low to high, both included.
    int between(int low, int high) {
        const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low + 1);
        return low + static_cast<int>(next() % span);
    }

    // True with the given chance in percent.
    bool percent(int chance) { return between(1, 100) <= chance; }

    template <typename T> const T& pick(std::span<const T> choices) {
        return choices[static_cast<std::size_t>(between(0, static_cast<int>(choices.size()) - 1))];
    }

    // An index chosen by weights.
    std::size_t weighted(std::span<const int> weights) {
        int total = 0;
        for (int w : weights) {
            total += w;
        }
        int roll = between(1, total);
        for (std::size_t i = 0; i < weights.size(); ++i) {
            roll -= weights[i];
            if (roll <= 0) {
                return i;
            }
        }
        return weights.size() - 1;
    }

private:
    std::uint64_t state_;
};

} // namespace kelvaro
