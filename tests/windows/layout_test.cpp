// What the two windows show: their fixed size and captions, and where and in
// which face a control of each kind stands. The places are the layout's
// twips worked out by hand, 15 to a pixel and rounded to the nearest; a line
// is one pixel thick with both ends. The faces are the Liberation fonts,
// metric-compatible with the layout's, at 96 dots per inch: 8.25 pt is
// 11 px, 12.75 pt 17 px, 9 pt 12 px and 12 pt 16 px.
#include "gui_fixture.h"
#include "version/program_version.h"

#include <QFontInfo>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <cmath>

namespace kelvaro {
namespace {

constexpr const char* kSans = "Liberation Sans";
constexpr const char* kSerif = "Liberation Serif";

struct Seen {
    bool inAbout;
    const char* name;
    QRect place;
    const char* family = nullptr; // none: a drawing or the slider
    int pixelSize = 0;
    bool bold = false;
};

// clang-format off
const Seen kSeen[] = {
    {false, "Line7",    {8, 96, 561, 1}},    // 120..8520 at 1440
    {false, "Line30",   {568, 8, 1, 81}},    // at 8520, 120..1320
    {false, "Shape4_0", {416, 155, 73, 9}},  // 6240, 2323, 1095 x 134
    {false, "HScroll1", {24, 112, 441, 17}},
    {false, "Label6",   {16, 24, 49, 17},   kSans, 11},
    {false, "Label9",   {24, 176, 25, 17},  kSerif, 11},
    {false, "Label8",   {480, 110, 81, 25}, kSans, 16, true}, // 7200, 1646, 1215 x 375
    {false, "Combo1",   {64, 16, 89, 21},   kSans, 11},
    {false, "Text1",    {64, 56, 65, 21},   kSans, 11},
    {false, "Text8",    {168, 160, 41, 27}, kSerif, 17},
    {false, "Command1", {32, 216, 73, 25},  kSans, 11},
    {false, "Command3", {168, 216, 49, 25}, kSans, 11},
    {false, "Text16",   {40, 496, 57, 21},  kSerif, 12}, // a working field, below the client area
    {true,  "Label1",   {464, 51, 65, 17},  kSans, 11}, // 6960, 770, 975 x 255
    {true,  "Command1", {480, 128, 33, 25}, kSans, 11},
};
// clang-format on

class LayoutTest : public GuiFixture {
protected:
    const QWidget* shown(const Seen& seen) {
        if (seen.inAbout && about() == nullptr) {
            click(control<QPushButton>("Command3"));
        }
        return control(seen.name, seen.inAbout ? about() : form1());
    }
};

// Both windows fixed at 8670 x 3960 twips, with their captions, and their
// controls where the user sees them; the working fields out of sight.
TEST_F(LayoutTest, ControlsStandWhereTheUserSeesThem) {
    for (const Seen& seen : kSeen) {
        EXPECT_EQ(placeOf(shown(seen)), seen.place) << seen.name;
    }
    EXPECT_EQ(form1()->windowTitle().toStdString(),
              "Kelvaro  [BETA]    v. " KELVARO_RELEASE_VERSION);
    EXPECT_EQ(about()->windowTitle().toStdString(), "About Kelvaro");
    for (const QWidget* window : {form1(), about()}) {
        EXPECT_EQ(window->size(), QSize(578, 264));
        EXPECT_EQ(window->minimumSize(), window->size());
        EXPECT_EQ(window->maximumSize(), window->size());
        EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }
    EXPECT_TRUE(field("Text2")->isHidden());
    EXPECT_FALSE(placeOf(field("Text2")).intersects(form1()->rect()));
}

TEST_F(LayoutTest, ControlsDrawInTheirFaces) {
    for (const Seen& seen : kSeen) {
        if (seen.family == nullptr) {
            continue;
        }
        SCOPED_TRACE(seen.name);
        const QFontInfo info(shown(seen)->font());
        EXPECT_EQ(info.family().toStdString(), seen.family);
        EXPECT_EQ(info.pixelSize(), seen.pixelSize);
        EXPECT_EQ(info.bold(), seen.bold);
        EXPECT_FALSE(info.italic() || info.underline() || info.strikeOut());
    }
    // A caption stands at its box's top. In Label8's 25 rows, the 16-pixel
    // face's ascent of 14.5 over digits 11 high puts their ink from row 3 or
    // 4; centred in the box, it would start some three rows lower.
    const QImage drawn = form1()->grab(placeOf(label("Label8"))).toImage();
    const QRect ink = inkIn(drawn, drawn.rect(), drawn.pixel(0, 0));
    EXPECT_TRUE(ink.isValid() && ink.top() <= 4) << "Label8's text starts at row " << ink.top();
    // Text1's "120" stands in the middle of its 65 pixels, not at the left edge.
    const QImage box = field("Text1")->grab().toImage();
    EXPECT_NEAR(inkIn(box, {3, 3, 59, 15}, box.pixel(4, 4)).center().x(), 32, 2);
}

// A bar covers every pixel its width reaches into.
TEST_F(LayoutTest, BarsCoverEveryPixelTheirWidthReaches) {
    for (const char* name : {"Shape1", "Shape2", "Shape3", "Shape6", "Shape7", "Shape8"}) {
        const QWidget* bar = control(name);
        const double twips = bar->property("widthTwips").toDouble();
        EXPECT_EQ(bar->width(), static_cast<int>(std::ceil(twips / 15.0)))
            << name << ": " << twips << " twips";
    }
}

// A list's arrow button is 16 px wide at the list's right edge, its text
// area taking the rest up to it.
TEST_F(LayoutTest, ListsHaveNarrowArrowButtons) {
    for (const char* name : {"Combo1", "Combo2", "Combo3"}) {
        SCOPED_TRACE(name);
        QComboBox* combo = list(name);
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = true;
        option.frame = true;
        option.subControls = QStyle::SC_All;
        const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxArrow, combo);
        EXPECT_EQ(arrow.width(), 16);
        EXPECT_GE(arrow.right(), combo->width() - 4) << "at the right edge";
        EXPECT_FALSE(arrow.intersects(combo->lineEdit()->geometry()));
        EXPECT_GE(combo->lineEdit()->geometry().right(), arrow.left() - 4);
    }
}

} // namespace
} // namespace kelvaro
