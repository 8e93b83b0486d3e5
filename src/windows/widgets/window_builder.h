#pragma once

#include "layout/layout_table.h"
#include "widgets/form_window.h"

#include <memory>
#include <span>

namespace kelvaro {

// Builds a window from its layout table: every control with its place, start
// text, font, colour, alignment, length limit, tool tip, visibility and tab
// order, each widget named after its control.
class WindowBuilder {
public:
    static std::unique_ptr<FormWindow> build(const WindowLayout& window,
                                             std::span<const ControlLayout> controls);

private:
    static QWidget* create(const ControlLayout& row, FormWindow& window);
    static void place(const ControlLayout& row, QWidget& widget);
    static void applyText(const ControlLayout& row, QWidget& widget);
    static void orderTabs(std::span<const ControlLayout> controls, FormWindow& window);
};

} // namespace kelvaro
