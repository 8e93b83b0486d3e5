// The two windows against their layout tables: places, sizes, fonts, the
// hidden fields and the fixed window size.
#include "expected_layout.h"
#include "gui_fixture.h"
#include "program_version.h"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QRect>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>

namespace kelvaro {
namespace {

using expected::Box;
using expected::Font;
using expected::kClientHeightPx;
using expected::kClientWidthPx;

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

// The control's rectangle in the client area of its window.
QRect placeOf(const QWidget* widget) {
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

class LayoutTest : public GuiFixture {
protected:
    void expectBox(const Box& box, const QWidget* window) {
        SCOPED_TRACE(box.name);
        const QWidget* widget = control(box.name, window);
        const QRect place = placeOf(widget);
        EXPECT_TRUE(inPixels("left", place.x(), box.left));
        EXPECT_TRUE(inPixels("top", place.y(), box.top));
        EXPECT_TRUE(inPixels("height", place.height(), box.height));
        if (box.width != expected::kSetByCalculation) {
            EXPECT_TRUE(inPixels("width", place.width(), box.width));
            return;
        }
        // A bar covers every pixel its width reaches into.
        const double twips = widget->property("widthTwips").toDouble();
        EXPECT_EQ(place.width(), static_cast<int>(std::ceil(twips / 15.0)))
            << "bar width " << twips << " twips";
    }

    void openAbout() { click(control<QPushButton>("Command3")); }
};

// Every control of both windows, each against its row of the layout; both
// windows fixed at the client area's size, with the layout's captions.
TEST_F(LayoutTest, EveryControlStandsWhereTheLayoutPlacesIt) {
    for (const Box& box : expected::kForm1Boxes) {
        expectBox(box, form1());
    }
    for (const auto& line : expected::kForm1Lines) {
        SCOPED_TRACE(line.name);
        const QRect place = placeOf(control(line.name));
        // Turned for a vertical line, so that x runs along it.
        const bool horizontal = line.y1 == line.y2;
        const QRect run =
            horizontal ? place : QRect(place.y(), place.x(), place.height(), place.width());
        const auto [from, to, across] = horizontal ? std::tuple{line.x1, line.x2, line.y1 / 15}
                                                   : std::tuple{line.y1, line.y2, line.x1 / 15};
        EXPECT_EQ(run.left(), std::min(from, to) / 15);
        const int end = std::max(from, to) / 15;
        EXPECT_TRUE(run.right() == end || run.right() == end - 1) << "ends at " << run.right();
        EXPECT_TRUE(run.top() <= across && across <= run.bottom())
            << "runs at " << run.top() << ".." << run.bottom() << ", not through " << across;
        EXPECT_GE(run.height(), 1);
        EXPECT_LE(run.height(), 2);
    }
    openAbout();
    ASSERT_NE(about(), nullptr);
    for (const Box& box : expected::kAboutBoxes) {
        expectBox(box, about());
    }
    const QSize client(kClientWidthPx, kClientHeightPx);
    for (const auto& [window, caption] :
         {std::pair{form1(), "Kelvaro  [BETA]    v. " KELVARO_RELEASE_VERSION},
          std::pair{about(), "About Kelvaro"}}) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(window->windowTitle().toStdString(), caption);
        EXPECT_EQ(window->size(), client);
        EXPECT_EQ(window->minimumSize(), client);
        EXPECT_EQ(window->maximumSize(), client);
        EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }
}

// The bars at start-up, one twip for every 4 MB of their size captions
// (5 for every 37 MB on the 8,5 GB scale): each covers every pixel its width reaches
// into, so 71.6 px take 72 and 1.01 px take 2.
TEST_F(LayoutTest, BarsAtStartUpCoverEveryPixelTheirWidthReaches) {
    const struct {
        const char* name;
        double twips;
        int pixels;
    } bars[] = {
        {"Shape1", 4296.09375 / 4, 72},      {"Shape2", 112.5 / 4, 2},      {"Shape3", 0.0, 0},
        {"Shape6", 4296.09375 * 5 / 37, 39}, {"Shape7", 112.5 * 5 / 37, 2}, {"Shape8", 0.0, 0},
    };
    for (const auto& bar : bars) {
        SCOPED_TRACE(bar.name);
        const QWidget* widget = control(bar.name);
        EXPECT_NEAR(widget->property("widthTwips").toDouble(), bar.twips, 0.01);
        EXPECT_EQ(widget->width(), bar.pixels);
    }
}

// Frames and bars are outlined on all four sides in the text colour; a bar
// is light grey inside, a frame shows the window through it.
TEST_F(LayoutTest, FramesAndBarsAreOutlinedOnEverySide) {
    const QImage window = form1()->grab().toImage();
    for (const char* name : {"Shape4_0", "Shape4_1", "Shape4_2", "Shape1"}) {
        SCOPED_TRACE(name);
        const QWidget* shape = control(name);
        const QRect place = placeOf(shape);
        ASSERT_GE(place.width(), 3);
        const QRgb line = shape->palette().color(QPalette::WindowText).rgb();
        for (int x = place.left(); x <= place.right(); ++x) {
            EXPECT_EQ(window.pixel(x, place.top()), line) << "top at " << x;
            EXPECT_EQ(window.pixel(x, place.bottom()), line) << "bottom at " << x;
        }
        for (int y = place.top(); y <= place.bottom(); ++y) {
            EXPECT_EQ(window.pixel(place.left(), y), line) << "left at " << y;
            EXPECT_EQ(window.pixel(place.right(), y), line) << "right at " << y;
        }
        // One pixel in from the edges the outline has ended (in the third
        // frame, whose bars are empty at start-up).
        const bool bar = std::string(name) == "Shape1";
        if (!bar && std::string(name) != "Shape4_2") {
            continue;
        }
        const QRect inner = place.adjusted(1, 1, -1, -1);
        for (const QPoint at :
             {QPoint(inner.center().x(), inner.top()), QPoint(inner.center().x(), inner.bottom()),
              QPoint(inner.left(), inner.center().y()), QPoint(inner.right(), inner.center().y()),
              inner.center()}) {
            const QRgb inside = window.pixel(at);
            EXPECT_NE(inside, line) << "inside at " << at.x() << ", " << at.y();
            if (bar) {
                EXPECT_EQ(inside, qRgb(224, 224, 224)) << "at " << at.x() << ", " << at.y();
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
FontFace faceOf(Font font) {
    switch (font) {
    case Font::F1:
        return {"Liberation Sans", 11, false};
    case Font::F2:
        return {"Liberation Serif", 11, false};
    case Font::F3:
        return {"Liberation Serif", 17, false};
    case Font::F4:
        return {"Liberation Serif", 12, false};
    case Font::F5:
        return {"Liberation Sans", 16, true};
    case Font::None:
        break;
    }
    return {"", 0, false};
}

TEST_F(LayoutTest, EveryControlDrawsInItsLayoutFont) {
    for (const Box& box : expected::kForm1Boxes) {
        if (box.font == Font::None) {
            continue;
        }
        SCOPED_TRACE(box.name);
        const FontFace face = faceOf(box.font);
        const QFontInfo info(control(box.name)->font());
        EXPECT_EQ(info.family().toStdString(), face.family);
        EXPECT_EQ(info.pixelSize(), face.pixelSize);
        EXPECT_EQ(info.bold(), face.bold);
        EXPECT_FALSE(info.italic());
        EXPECT_FALSE(info.underline());
        EXPECT_FALSE(info.strikeOut());
    }
}

TEST_F(LayoutTest, OnlyText8AndLabel8HaveTextColoursOfTheirOwn) {
    EXPECT_EQ(field("Text8")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(label("Label8")->palette().color(QPalette::WindowText), QColor(64, 0, 64));
    // Every other text in the light desktop's black, whatever the scheme.
    const QColor defaultText(0, 0, 0);
    const QColor defaultLabel(0, 0, 0);
    for (const Box& box : expected::kForm1Boxes) {
        const std::string name = box.name;
        if (name == "Text8" || name == "Label8") {
            continue;
        }
        SCOPED_TRACE(name);
        const QWidget* widget = control(box.name);
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            EXPECT_EQ(edit->palette().color(QPalette::Text), defaultText);
        } else if (const auto* caption = qobject_cast<const QLabel*>(widget)) {
            EXPECT_EQ(caption->palette().color(QPalette::WindowText), defaultLabel);
        }
    }
    openAbout();
    EXPECT_EQ(control<QLabel>("Label1", about())->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
}

// The eleven hidden fields lie below the client area, so no user sees them.
TEST_F(LayoutTest, HiddenFieldsLieOutsideTheClientArea) {
    const QRect client(0, 0, kClientWidthPx, kClientHeightPx);
    for (const char* name : {"Text2", "Text4", "Text5", "Text6", "Text7", "Text10", "Text11",
                             "Text16", "Text18", "Text19", "Text20"}) {
        SCOPED_TRACE(name);
        const QWidget* widget = control(name);
        EXPECT_FALSE(placeOf(widget).intersects(client));
        EXPECT_EQ(widget->isHidden(), std::string(name) == "Text2");
    }
}

} // namespace
} // namespace kelvaro
