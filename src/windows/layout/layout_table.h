#pragma once

namespace kelvaro {

// The fonts of the layouts, by their number in the window's font table.
enum class LayoutFont {
    None,    // the control draws no text
    Default, // the toolkit's default font: the same face and size as F1
    F1,      // sans serif 8.25 pt
    F2,      // serif 8.25 pt
    F3,      // serif 12.75 pt
    F4,      // serif 9 pt
    F5,      // sans serif 12 pt bold
};

enum class ControlKind {
    Label,
    TextBox,
    ComboBox,
    ScrollBar,
    Button,
    Frame, // a rectangle with a border and a transparent inside
    Bar,   // a rectangle with a border and a light grey fill
    Line,
};

enum class TextAlign { Left, Centre, Right };

struct LayoutColour {
    int red = -1; // -1: the system's default colour
    int green = 0;
    int blue = 0;

    bool isSet() const { return red >= 0; }
};

// One row of a window's layout table. Places and sizes are in twips from the
// top-left corner of the client area; a line uses x1, y1, x2, y2 instead.
struct ControlLayout {
    const char* name = "";
    ControlKind kind = ControlKind::Label;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    const char* text = "";
    LayoutFont font = LayoutFont::None;
    LayoutColour colour{};
    TextAlign align = TextAlign::Left;
    int maxLength = 0; // 0: no limit
    const char* toolTip = "";
    int tabIndex = -1; // -1: the control has no place in the tab order
    bool visible = true;

    // What few rows have, added to a row made by one of the makers below.
    constexpr ControlLayout inColour(LayoutColour c) const {
        return with(&ControlLayout::colour, c);
    }
    constexpr ControlLayout centred() const {
        return with(&ControlLayout::align, TextAlign::Centre);
    }
    constexpr ControlLayout rightAligned() const {
        return with(&ControlLayout::align, TextAlign::Right);
    }
    constexpr ControlLayout limitedTo(int length) const {
        return with(&ControlLayout::maxLength, length);
    }
    constexpr ControlLayout withToolTip(const char* tip) const {
        return with(&ControlLayout::toolTip, tip);
    }
    constexpr ControlLayout hidden() const { return with(&ControlLayout::visible, false); }

private:
    template <typename T> constexpr ControlLayout with(T ControlLayout::*field, T value) const {
        ControlLayout row = *this;
        row.*field = value;
        return row;
    }
};

// The makers of the rows, one for each kind of control: a line from one end
// to the other, a shape at its place, and a control with text at its place
// with its start text, font and place in the tab order.
namespace layout_row {

constexpr ControlLayout line(const char* name, int x1, int y1, int x2, int y2) {
    return {.name = name, .kind = ControlKind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2};
}

constexpr ControlLayout placed(ControlKind kind, const char* name, int left, int top, int width,
                               int height) {
    return {.name = name, .kind = kind, .left = left, .top = top, .width = width, .height = height};
}

constexpr ControlLayout frame(const char* name, int left, int top, int width, int height) {
    return placed(ControlKind::Frame, name, left, top, width, height);
}

constexpr ControlLayout bar(const char* name, int left, int top, int width, int height) {
    return placed(ControlKind::Bar, name, left, top, width, height);
}

constexpr ControlLayout slider(const char* name, int left, int top, int width, int height,
                               int tabIndex) {
    ControlLayout row = placed(ControlKind::ScrollBar, name, left, top, width, height);
    row.tabIndex = tabIndex;
    return row;
}

constexpr ControlLayout withText(ControlKind kind, const char* name, int left, int top, int width,
                                 int height, const char* text, LayoutFont font, int tabIndex) {
    ControlLayout row = placed(kind, name, left, top, width, height);
    row.text = text;
    row.font = font;
    row.tabIndex = tabIndex;
    return row;
}

constexpr ControlLayout label(const char* name, int left, int top, int width, int height,
                              const char* text, LayoutFont font, int tabIndex) {
    return withText(ControlKind::Label, name, left, top, width, height, text, font, tabIndex);
}

constexpr ControlLayout textBox(const char* name, int left, int top, int width, int height,
                                const char* text, LayoutFont font, int tabIndex) {
    return withText(ControlKind::TextBox, name, left, top, width, height, text, font, tabIndex);
}

constexpr ControlLayout list(const char* name, int left, int top, int width, int height,
                             const char* text, LayoutFont font, int tabIndex) {
    return withText(ControlKind::ComboBox, name, left, top, width, height, text, font, tabIndex);
}

constexpr ControlLayout button(const char* name, int left, int top, int width, int height,
                               const char* text, LayoutFont font, int tabIndex) {
    return withText(ControlKind::Button, name, left, top, width, height, text, font, tabIndex);
}

} // namespace layout_row

struct WindowLayout {
    const char* name;
    const char* caption;
    int clientWidth;        // twips
    int clientHeight;       // twips
    const char* background; // resource name of the picture
};

} // namespace kelvaro
