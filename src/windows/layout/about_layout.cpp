#include "about_layout.h"

namespace kelvaro {

namespace {

constexpr WindowLayout kWindow{"About", "About Kelvaro", 8670, 3960, ":/background_about.jpg"};

// No control carries a font of its own: the toolkit's default is used.
constexpr ControlLayout kControls[] = {
    {.name = "Label1",
     .kind = ControlKind::Label,
     .left = 6960,
     .top = 770,
     .width = 975,
     .height = 255,
     .text = "v.  0.1.17",
     .font = LayoutFont::Default,
     .colour = {255, 0, 0},
     .tabIndex = 0},
    {.name = "Label2",
     .kind = ControlKind::Label,
     .left = 6720,
     .top = 1920,
     .width = 1215,
     .height = 615,
     .font = LayoutFont::Default,
     .tabIndex = 2},
    {.name = "Command1",
     .kind = ControlKind::Button,
     .left = 7200,
     .top = 1920,
     .width = 495,
     .height = 375,
     .text = "OK",
     .font = LayoutFont::Default,
     .tabIndex = 1},
};

} // namespace

const WindowLayout& aboutWindow() {
    return kWindow;
}

std::span<const ControlLayout> aboutControls() {
    return kControls;
}

} // namespace kelvaro
