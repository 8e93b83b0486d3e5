#pragma once

#include "form_window.h"
#include "layout_spec.h"

#include <memory>
#include <span>

namespace kelvaro {

// Builds a window from its layout table: every control with its place, start
// text, font, colour, alignment, length limit, tool tip, visibility and tab
// order, each widget named after its control.
class WindowBuilder {
public:
    static std::unique_ptr<FormWindow> build(const WindowSpec& window,
                                             std::span<const ControlSpec> controls);

private:
    static QWidget* create(const ControlSpec& spec, FormWindow& window);
    static void place(const ControlSpec& spec, QWidget& widget);
    static void applyText(const ControlSpec& spec, QWidget& widget);
    static void orderTabs(std::span<const ControlSpec> controls, FormWindow& window);
};

} // namespace kelvaro
