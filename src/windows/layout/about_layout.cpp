#include "layout/about_layout.h"

#include "version/program_version.h"

namespace kelvaro {

namespace {

constexpr WindowLayout kWindow{"About", "About Kelvaro", 8670, 3960, ":/background_about.jpg"};

using namespace layout_row;
using enum LayoutFont;

// No control carries a font of its own: the toolkit's default is used. The
// rows read as in the main window's table.
// clang-format off
constexpr ControlLayout kControls[] = {
    label("Label1",    6960,  770,  975,  255, "v.  " KELVARO_RELEASE_VERSION, Default, 0)
        .inColour({255, 0, 0}),
    label("Label2",    6720, 1920, 1215,  615, "",                             Default, 2),
    button("Command1", 7200, 1920,  495,  375, "OK",                           Default, 1),
};
// clang-format on

} // namespace

const WindowLayout& aboutWindow() {
    return kWindow;
}

std::span<const ControlLayout> aboutControls() {
    return kControls;
}

} // namespace kelvaro
