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
};

struct WindowLayout {
    const char* name;
    const char* caption;
    int clientWidth;        // twips
    int clientHeight;       // twips
    const char* background; // resource name of the picture
};

} // namespace kelvaro
