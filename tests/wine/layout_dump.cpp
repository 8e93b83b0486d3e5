// Prints both windows' layout tables, one control a line, tab-separated:
// window, name, kind, left, top, width, height, x1, y1, x2, y2 (twips) and
// the start text. The Wine desktop run reads the controls' places from here.
#include "layout/about_layout.h"
#include "layout/form1_layout.h"

#include <cstdio>
#include <span>

namespace {

// In the order of ControlKind.
constexpr const char* kKinds[] = {"label",  "textbox", "combobox", "scrollbar",
                                  "button", "frame",   "bar",      "line"};

void print(const kelvaro::WindowLayout& window, std::span<const kelvaro::ControlLayout> rows) {
    for (const kelvaro::ControlLayout& r : rows) {
        std::printf("%s\t%s\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%s\n", window.name, r.name,
                    kKinds[static_cast<int>(r.kind)], r.left, r.top, r.width, r.height, r.x1, r.y1,
                    r.x2, r.y2, r.text);
    }
}

} // namespace

int main() {
    print(kelvaro::form1Window(), kelvaro::form1Controls());
    print(kelvaro::aboutWindow(), kelvaro::aboutControls());
    return 0;
}
