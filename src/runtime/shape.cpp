#include "runtime/shape.h"

#include <utility>

namespace kelvaro {

Shape::Shape(std::string name, float width) : name_(std::move(name)), width_(width) {}

void Shape::setWidth(double width) {
    const float single = width > 0.0 ? static_cast<float>(width) : 0.0f;
    if (single == width_) {
        return;
    }
    width_ = single;
    changed.raise();
}

void Shape::setVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    visible_ = visible;
    changed.raise();
}

} // namespace kelvaro
