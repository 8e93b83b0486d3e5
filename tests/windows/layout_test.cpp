// The two windows against their layout tables: places, sizes, fonts, the
// hidden fields and the fixed window size.
#include "gui_fixture.h"
#include "layout/about_layout.h"
#include "layout/form1_layout.h"

#include <QApplication>
#include <QFontInfo>
#include <QRect>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>
#include <tuple>

namespace kelvaro {
namespace {

// A length in twips shown in pixels: exact when it is a whole number of
// pixels, otherwise either neighbouring pixel.
::testing::AssertionResult inPixels(const char* what, int pixels, int twips) {
    const double exact = twips / 15.0;
    const bool ok = twips % 15 == 0 ? pixels == twips / 15
                                    : pixels == static_cast<int>(std::floor(exact)) ||
                                          pixels == static_cast<int>(std::ceil(exact));
    if (ok) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << what << " is " << pixels << " px, the layout gives "
                                         << twips << " twips = " << exact << " px";
}

// A line one or two pixels thick from one end point to the other.
void expectLine(const ControlLayout& row, const QRect& place) {
    // Turned for a vertical line, so that x runs along it.
    const bool horizontal = row.y1 == row.y2;
    const QRect run =
        horizontal ? place : QRect(place.y(), place.x(), place.height(), place.width());
    const auto [from, to, across] = horizontal ? std::tuple{row.x1, row.x2, row.y1 / 15}
                                               : std::tuple{row.y1, row.y2, row.x1 / 15};
    EXPECT_EQ(run.left(), std::min(from, to) / 15);
    const int end = std::max(from, to) / 15;
    EXPECT_TRUE(run.right() == end || run.right() == end - 1) << "ends at " << run.right();
    EXPECT_TRUE(run.top() <= across && across <= run.bottom())
        << "runs at " << run.top() << ".." << run.bottom() << ", not through " << across;
    EXPECT_GE(run.height(), 1);
    EXPECT_LE(run.height(), 2);
}

// A box at its place; a bar covers every pixel its width reaches into. A
// field below the client area lies wholly outside it, where no user sees it,
// and is hidden only where the layout hides it.
void expectBox(const ControlLayout& row, const QWidget* widget, const QRect& client) {
    const QRect place = placeOf(widget);
    EXPECT_TRUE(inPixels("left", place.x(), row.left));
    EXPECT_TRUE(inPixels("top", place.y(), row.top));
    EXPECT_TRUE(inPixels("height", place.height(), row.height));
    if (row.kind == ControlKind::Bar) {
        const double twips = widget->property("widthTwips").toDouble();
        EXPECT_EQ(place.width(), static_cast<int>(std::ceil(twips / 15.0)))
            << "bar width " << twips << " twips";
    } else {
        EXPECT_TRUE(inPixels("width", place.width(), row.width));
    }
    if (row.top >= client.height() * 15) {
        EXPECT_FALSE(place.intersects(client));
        EXPECT_EQ(widget->isHidden(), !row.visible);
    }
}

struct Window {
    const QWidget* widget;
    const WindowLayout& layout;
    std::span<const ControlLayout> rows;
};

class LayoutTest : public GuiFixture {
protected:
    // Both windows with their tables; the About window opened for it.
    std::array<Window, 2> windows() {
        click(control<QPushButton>("Command3"));
        EXPECT_NE(about(), nullptr);
        return {Window{form1(), form1Window(), form1Controls()},
                Window{about(), aboutWindow(), aboutControls()}};
    }
};

// Every control of both windows, each against its row of the layout; both
// windows fixed at the client area's size, with the layout's captions.
TEST_F(LayoutTest, EveryControlStandsWhereTheLayoutPlacesIt) {
    for (const Window& window : windows()) {
        SCOPED_TRACE(window.layout.name);
        const QSize client(window.layout.clientWidth / 15, window.layout.clientHeight / 15);
        EXPECT_EQ(window.widget->windowTitle().toStdString(), window.layout.caption);
        EXPECT_EQ(window.widget->size(), client);
        EXPECT_EQ(window.widget->minimumSize(), client);
        EXPECT_EQ(window.widget->maximumSize(), client);
        EXPECT_FALSE(window.widget->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        for (const ControlLayout& row : window.rows) {
            SCOPED_TRACE(row.name);
            const QWidget* widget = control(row.name, window.widget);
            if (row.kind == ControlKind::Line) {
                expectLine(row, placeOf(widget));
            } else {
                expectBox(row, widget, QRect(QPoint(0, 0), client));
            }
        }
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

struct FontFace {
    const char* family;
    int pixelSize;
    bool bold;
};

// 8.25 pt, 12.75 pt, 9 pt and 12 pt at 96 dots per inch; the layout's faces
// mapped to their metric-compatible Liberation fonts.
FontFace faceOf(LayoutFont font) {
    switch (font) {
    case LayoutFont::F2:
        return {"Liberation Serif", 11, false};
    case LayoutFont::F3:
        return {"Liberation Serif", 17, false};
    case LayoutFont::F4:
        return {"Liberation Serif", 12, false};
    case LayoutFont::F5:
        return {"Liberation Sans", 16, true};
    default:
        return {"Liberation Sans", 11, false};
    }
}

TEST_F(LayoutTest, EveryControlDrawsInItsLayoutFont) {
    for (const Window& window : windows()) {
        for (const ControlLayout& row : window.rows) {
            if (row.font == LayoutFont::None) {
                continue;
            }
            SCOPED_TRACE(row.name);
            const FontFace face = faceOf(row.font);
            const QFontInfo info(control(row.name, window.widget)->font());
            EXPECT_EQ(info.family().toStdString(), face.family);
            EXPECT_EQ(info.pixelSize(), face.pixelSize);
            EXPECT_EQ(info.bold(), face.bold);
            EXPECT_FALSE(info.italic());
            EXPECT_FALSE(info.underline());
            EXPECT_FALSE(info.strikeOut());
        }
    }
}

} // namespace
} // namespace kelvaro
