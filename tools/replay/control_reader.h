#pragma once

#include "runtime/combo_box.h"
#include "runtime/label.h"
#include "runtime/scroll_bar.h"
#include "runtime/shape.h"
#include "runtime/text_box.h"
#include "runtime/window.h"

#include <string>

namespace kelvaro {

// What a dump reads of each control. As it stands it reads the core's
// controls; a backend that drives the windows reads what their widgets show.
class ControlReader {
public:
    virtual ~ControlReader() = default;

    virtual bool windowShown(const Window& window) const { return window.visible(); }
    virtual std::string boxText(const TextBox& box) const { return box.text(); }
    virtual int sliderValue(const ScrollBar& slider) const { return slider.value(); }
    virtual int sliderMax(const ScrollBar& slider) const { return slider.max(); }
    virtual int listIndex(const ComboBox& list) const { return list.listIndex(); }
    virtual std::string listText(const ComboBox& list) const { return list.text(); }
    virtual std::string caption(const Label& label) const { return label.caption(); }
    virtual double barWidth(const Shape& bar) const { return bar.width(); }
    virtual bool barShown(const Shape& bar) const { return bar.visible(); }
};

} // namespace kelvaro
