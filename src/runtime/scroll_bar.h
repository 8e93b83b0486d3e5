#pragma once

#include "runtime/event.h"

#include <cstdint>
#include <string>

namespace kelvaro {

// A horizontal scroll bar holding a 16-bit value within its minimum and
// maximum. Change is raised inside the write, only when the value changes.
class ScrollBar {
public:
    ScrollBar(std::string name, std::int16_t min, std::int16_t max, std::int16_t value);

    const std::string& name() const { return name_; }
    std::int16_t min() const { return min_; }
    std::int16_t max() const { return max_; }
    std::int16_t value() const { return value_; }
    bool accepts(int value) const { return value >= min_ && value <= max_; }

    // A value outside the range is a programming error: it throws.
    void setValue(int value);

    // A maximum below the value moves the value to the maximum, which
    // raises change.
    void setMax(std::int16_t max);

    Event change;
    // Raised when the maximum changes, for whoever shows the bar.
    Event rangeChanged;

private:
    std::string name_;
    std::int16_t min_;
    std::int16_t max_;
    std::int16_t value_;
};

} // namespace kelvaro
