#include "runtime/scroll_bar.h"

#include <stdexcept>
#include <utility>

namespace kelvaro {

ScrollBar::ScrollBar(std::string name, std::int16_t min, std::int16_t max, std::int16_t value)
    : name_(std::move(name)), min_(min), max_(max), value_(value) {}

void ScrollBar::setValue(int value) {
    if (!accepts(value)) {
        throw std::out_of_range(name_ + ": value " + std::to_string(value) + " outside " +
                                std::to_string(min_) + " to " + std::to_string(max_));
    }
    if (value == value_) {
        return;
    }
    value_ = static_cast<std::int16_t>(value);
    change.raise();
}

void ScrollBar::setMax(std::int16_t max) {
    if (max < min_) {
        throw std::out_of_range(name_ + ": maximum below minimum");
    }
    if (max == max_) {
        return;
    }
    max_ = max;
    rangeChanged.raise();
    if (value_ > max_) {
        value_ = max_;
        change.raise();
    }
}

} // namespace kelvaro
