#pragma once

#include "runtime/event.h"

#include <string>

namespace kelvaro {

// A rectangle whose width (single precision, in twips) and visibility the
// program sets. A negative width is set as 0.
class Shape {
public:
    Shape(std::string name, float width);

    const std::string& name() const { return name_; }
    float width() const { return width_; }
    bool visible() const { return visible_; }

    void setWidth(double width);
    void setVisible(bool visible);

    Event changed;

private:
    std::string name_;
    float width_;
    bool visible_ = true;
};

} // namespace kelvaro
