// Under a dark colour scheme the windows keep the light colours their layouts
// and pictures are made for: the scheme's palette is in place before the
// windows are built, as a platform theme puts it there.
#include "gui_fixture.h"
#include "widgets/light_palette.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QToolTip>

namespace kelvaro {
namespace {

const QPalette& light() {
    return LightPalette::palette();
}

// A dark scheme: light grey text on dark grey, as qt6ct's "darker" gives it.
QPalette darkScheme() {
    QPalette dark(QColor(0x42, 0x42, 0x45), QColor(0x42, 0x42, 0x45));
    for (const auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText}) {
        dark.setColor(role, QColor(0xff, 0xff, 0xff));
    }
    dark.setColor(QPalette::Base, QColor(0x3d, 0x3d, 0x3d));
    dark.setColor(QPalette::ToolTipBase, QColor(0x3f, 0x3f, 0x36));
    return dark;
}

class LightColoursTest : public GuiFixture {
protected:
    static void SetUpTestSuite() {
        QApplication::setPalette(darkScheme());
        QToolTip::setPalette(darkScheme());
    }
};

// What the user sees: a line's pixels; frames and bars outlined on all four
// sides in the text colour, a bar light grey inside, a frame showing the
// window through it. The popups under real schemes: tests/desktops/dark_schemes.sh.
TEST_F(LightColoursTest, LinesFramesAndBarsAreDrawnLight) {
    const QRgb line = light().color(QPalette::WindowText).rgb();
    EXPECT_EQ(control("Line7")->grab().toImage().pixel(10, 0), line);
    const QImage window = form1()->grab().toImage();
    for (const char* name : {"Shape4_0", "Shape4_1", "Shape4_2", "Shape1"}) {
        SCOPED_TRACE(name);
        const QRect place = placeOf(control(name));
        ASSERT_GE(place.width(), 3);
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
            if (bar) { // a grey between the lines' black and the window's white
                EXPECT_TRUE(qRed(inside) == qGreen(inside) && qGreen(inside) == qBlue(inside) &&
                            inside != light().color(QPalette::Window).rgb())
                    << "at " << at.x() << ", " << at.y();
            }
        }
    }
}

// A tool tip's look: a one-pixel frame in the text colour at the label's
// edge, then three pixels of room, then the text: it starts there, less its
// first letter's own bearing, and its tallest letter's top stands there once
// the line is centred in the room left.
::testing::AssertionResult framedLikeAToolTip(const QLabel& label) {
    const QImage image = const_cast<QLabel&>(label).grab().toImage();
    const QRgb frame = light().color(QPalette::ToolTipText).rgb();
    const QRgb back = light().color(QPalette::ToolTipBase).rgb();
    // Inside the frame, three pixels of room around the text.
    const QRect room = image.rect().adjusted(4, 4, -4, -4);
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool edge = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
            if (edge && image.pixel(x, y) != frame) {
                return ::testing::AssertionFailure() << "no frame at " << x << "," << y;
            }
            if (!edge && image.pixel(x, y) != back) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    const QFontMetrics metrics = label.fontMetrics();
    const int left = room.left() + std::max(0, metrics.leftBearing(label.text().front()));
    const int top = room.top() + metrics.ascent() + metrics.tightBoundingRect(label.text()).top();
    if (ink.left() != left || ink.top() != top || !room.contains(ink)) {
        return ::testing::AssertionFailure()
               << "text at " << ink.left() << "," << ink.top() << " to " << ink.right() << ","
               << ink.bottom() << ", expected from " << left << "," << top;
    }
    return ::testing::AssertionSuccess();
}

// A marked field keeps dark text on its light red, its message is drawn like
// a tool tip, and the field goes back to white once it holds a number.
TEST_F(LightColoursTest, MarkedFieldStaysReadableAndTurnsWhiteAgain) {
    QLineEdit* extras = field("Text3");
    replaceText(extras, "abc");
    click(control<QPushButton>("Command1"));
    ASSERT_TRUE(program_.form.reports.isMarked("Text3"));
    const QColor marked = extras->palette().color(QPalette::Base);
    EXPECT_TRUE(marked.red() > marked.green() && marked.green() == marked.blue() &&
                marked.lightness() > 200)
        << "not light red: " << marked.name().toStdString();
    EXPECT_EQ(extras->palette().color(QPalette::Text), light().color(QPalette::Text));
    EXPECT_GE(contrast(light().color(QPalette::Text).rgb(), marked.rgb()), 4.5);
    const QLabel* message = control<QLabel>("ReportMessage");
    EXPECT_TRUE(framedLikeAToolTip(*message));

    // Typing on without making it a number keeps the mark.
    pressKey(extras, Qt::Key_End);
    pressKey(extras, Qt::Key_X);
    EXPECT_EQ(extras->palette().color(QPalette::Base), marked) << "still no number";

    replaceText(extras, "12");
    ASSERT_FALSE(program_.form.reports.isMarked("Text3"));
    EXPECT_EQ(extras->palette().color(QPalette::Base), light().color(QPalette::Base));
}

} // namespace
} // namespace kelvaro
