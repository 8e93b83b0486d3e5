// Prints both windows' layout tables, one control a line, tab-separated:
// window, name, kind, left, top, width, height, x1, y1, x2, y2 (twips) and
// the start text. The desktop tests read the controls' places from here.
#include "layout/about_layout.h"
#include "layout/form1_layout.h"

#include <cstdio>
#include <span>

namespace {

const char* kindName(kelvaro::ControlKind kind) {
    switch (kind) {
    case kelvaro::ControlKind::Label:
        return "label";
    case kelvaro::ControlKind::TextBox:
        return "textbox";
    case kelvaro::ControlKind::ComboBox:
        return "combobox";
    case kelvaro::ControlKind::ScrollBar:
        return "scrollbar";
    case kelvaro::ControlKind::Button:
        return "button";
    case kelvaro::ControlKind::Frame:
        return "frame";
    case kelvaro::ControlKind::Bar:
        return "bar";
    case kelvaro::ControlKind::Line:
        break;
    }
    return "line";
}

void print(const kelvaro::WindowLayout& window, std::span<const kelvaro::ControlLayout> rows) {
    for (const kelvaro::ControlLayout& r : rows) {
        std::printf("%s\t%s\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%s\n", window.name, r.name,
                    kindName(r.kind), r.left, r.top, r.width, r.height, r.x1, r.y1, r.x2, r.y2,
                    r.text);
    }
}

} // namespace

int main() {
    print(kelvaro::form1Window(), kelvaro::form1Controls());
    print(kelvaro::aboutWindow(), kelvaro::aboutControls());
    return 0;
}
