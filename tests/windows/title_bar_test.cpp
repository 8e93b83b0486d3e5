// What a press in the frame drawn around the windows on Wayland reaches. The
// main window's client area of 578 x 264 pixels makes a frame of 584 x 297:
// 3 pixels at the sides and bottom, a 30-pixel title bar. The buttons are 18
// pixels square, 6 from the top; close ends 8 pixels from the right edge
// (558 to 576), minimise 5 pixels left of it (535 to 553). Nothing else in
// the bar is a button: where other title bars have a maximise button, a
// press moves the window. At a scale factor of 2 every length doubles.
#include "frame/title_bar.h"
#include "frame/wayland_frame.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kelvaro {
namespace {

using Part = TitleBar::Part;

struct Press {
    const char* where;
    QSize frame;
    QPointF point;
    Part part;
    qreal scale = 1;
};

constexpr QSize kMain{584, 297};
// The same window with a scale factor of 2: 1168 x 594, the buttons 36
// pixels square, 12 from the top, close from 1116 to 1152, minimise from
// 1070 to 1106, the client area from (6, 60) to (1162, 588).
constexpr QSize kDoubled{1168, 594};

TEST(TitleBar, PressReaches) {
    const Press presses[] = {
        Press{"close, top-left corner", kMain, {558, 6}, Part::Close},
        Press{"close, just past its right edge", kMain, {576, 15}, Part::Title},
        Press{"minimise, right edge", kMain, {552.9, 23.9}, Part::Minimise},
        Press{"a third button's place", kMain, {521, 15}, Part::Title},
        Press{"left border beside the bar", kMain, {1, 15}, Part::Title},
        Press{"left border below the bar", kMain, {1, 100}, Part::Border},
        Press{"bottom border", kMain, {300, 295}, Part::Border},
        Press{"client, top-left pixel", kMain, {3, 30}, Part::Client},
        Press{"client, bottom-right pixel", kMain, {580.5, 293.5}, Part::Client},
        Press{"doubled: close, top-left corner", kDoubled, {1116, 12}, Part::Close, 2},
        Press{"doubled: close, bottom-right pixel", kDoubled, {1151.5, 47.5}, Part::Close, 2},
        Press{"doubled: past close", kDoubled, {1152, 30}, Part::Title, 2},
        Press{"doubled: minimise", kDoubled, {1070, 12}, Part::Minimise, 2},
        Press{"doubled: client, top-left pixel", kDoubled, {6, 60}, Part::Client, 2},
        Press{"before the first paint", QSize(), {10, 10}, Part::Border}};
    for (const Press& press : presses) {
        EXPECT_EQ(TitleBar(press.frame, press.scale).partAt(press.point), press.part)
            << press.where;
    }
}

TEST(TitleBarCaption, StandsBetweenIconAndButtons) {
    const TitleBar bar(kMain);
    // Icon 22 pixels square, 5 pixels right of the border.
    EXPECT_EQ(bar.icon(), QRectF(8, 4, 22, 22));
    EXPECT_EQ(bar.caption(true), QRectF(35, 0, 495, 30));
    EXPECT_EQ(bar.caption(false), QRectF(8, 0, 522, 30));
    const TitleBar doubled(kDoubled, 2);
    EXPECT_EQ(doubled.margins(), QMargins(6, 60, 6, 6));
    EXPECT_EQ(doubled.icon(), QRectF(16, 8, 44, 44));
    EXPECT_EQ(doubled.caption(true), QRectF(70, 0, 990, 60));
}

// A button acts on a left press and release on it; dragging off it to let go
// elsewhere, or through the client area, cancels. Each step is one pointer
// event over a part: the left button going down, going up, or a move.
TEST(TitleBarButtons, ActOnlyWhenPressedAndReleasedOnThem) {
    enum Left { down, up, move };
    struct Row {
        const char* what;
        std::vector<std::pair<Part, Left>> steps;
        std::vector<Part> acted;
    };
    const Row rows[] = {
        {"close", {{Part::Close, down}, {Part::Close, up}}, {Part::Close}},
        {"minimise", {{Part::Minimise, down}, {Part::Minimise, up}}, {Part::Minimise}},
        {"close pressed, released on the title", {{Part::Close, down}, {Part::Title, up}}, {}},
        {"over the title and back",
         {{Part::Minimise, down}, {Part::Title, move}, {Part::Minimise, up}},
         {Part::Minimise}},
        {"through the client area and back",
         {{Part::Close, down}, {Part::Client, move}, {Part::Close, up}},
         {}},
        {"let go elsewhere ends the press",
         {{Part::Close, down}, {Part::Border, up}, {Part::Close, up}},
         {}},
        {"the title is no button", {{Part::Title, down}, {Part::Title, up}}, {}},
    };
    for (const Row& row : rows) {
        TitleBar::ButtonPress press;
        std::vector<Part> acted;
        for (const auto& [part, left] : row.steps) {
            const Part clicked = press.follow(part, left == down, left == up);
            if (clicked != Part::Client) {
                acted.push_back(clicked);
            }
        }
        EXPECT_EQ(acted, row.acted) << row.what;
    }
}

// The frame is loaded only into the Qt it was built for: against Qt's private
// headers exactly that version (their interface may change with any
// release), against Qt 6.4's exported interface any 6.4. A frame loaded into
// another Qt would crash the program at its first window.
TEST(WaylandFrameFits, OnlyTheQtItWasBuiltFor) {
    struct Row {
        const char* builtFor;
        const char* running;
        bool fits;
    };
    const Row rows[] = {
        {"6.4", "6.4.2", true},     {"6.4", "6.4.0", true},     {"6.4", "6.5.0", false},
        {"6.4", "6.40.1", false},   {"6.8.2", "6.8.2", true},   {"6.8.2", "6.8.3", false},
        {"6.8.2", "6.8.20", false}, {"6.8.2", "6.11.0", false}, {"", "6.4.2", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WaylandFrame::fits(row.builtFor, row.running), row.fits)
            << "built for " << row.builtFor << ", running " << row.running;
    }
}

} // namespace
} // namespace kelvaro
