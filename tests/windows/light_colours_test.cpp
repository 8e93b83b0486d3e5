// Under a dark colour scheme the windows keep the light colours their layouts
// and pictures are made for: the scheme's palette is in place before the
// windows are built, as a platform theme puts it there.
#include "gui_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QToolTip>

#include <vector>

namespace kelvaro {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kButtonFace(240, 240, 240);
const QColor kRed(255, 0, 0);
const QColor kPurple(64, 0, 64);
const QColor kBarGrey(224, 224, 224);
const QColor kMarked(255, 205, 205);
const QColor kPaleYellow(255, 255, 225);

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

    void openAbout() { click(control<QPushButton>("Command3")); }
};

struct Colour {
    const char* window;
    const char* control;
    QPalette::ColorRole role;
    QColor expected;
};

// Black text and lines, white fields, light grey buttons; the layout's own
// red and purple where it gives them.
const std::vector<Colour> kColours = {
    {"Form1", "Label6", QPalette::WindowText, kBlack},
    {"Form1", "Label25", QPalette::WindowText, kBlack},
    {"Form1", "Label8", QPalette::WindowText, kPurple},
    {"Form1", "Text1", QPalette::Text, kBlack},
    {"Form1", "Text1", QPalette::Base, kWhite},
    {"Form1", "Text8", QPalette::Text, kRed},
    {"Form1", "Text8", QPalette::Base, kWhite},
    {"Form1", "Combo2", QPalette::Text, kBlack},
    {"Form1", "Combo2", QPalette::Base, kWhite},
    {"Form1", "Command1", QPalette::ButtonText, kBlack},
    {"Form1", "Command1", QPalette::Button, kButtonFace},
    {"Form1", "HScroll1", QPalette::Button, kButtonFace},
    {"Form1", "Line7", QPalette::WindowText, kBlack},
    {"Form1", "Shape4_0", QPalette::WindowText, kBlack},
    {"About", "Label1", QPalette::WindowText, kRed},
    {"About", "Command1", QPalette::ButtonText, kBlack},
    {"About", "Command1", QPalette::Button, kButtonFace},
};

TEST_F(LightColoursTest, ControlsKeepTheLightColoursUnderADarkScheme) {
    openAbout();
    for (const Colour& c : kColours) {
        SCOPED_TRACE(std::string(c.window) + " " + c.control);
        const QWidget* window = std::string(c.window) == "About" ? about() : form1();
        const QWidget* widget = control(c.control, window);
        EXPECT_EQ(widget->palette().color(QPalette::Active, c.role), c.expected);
        EXPECT_EQ(widget->palette().color(QPalette::Inactive, c.role), c.expected);
    }
    // The playing time starts selected: its text stays readable on the
    // highlight, at the 4.5:1 that text needs.
    const QPalette& time = field("Text1")->palette();
    EXPECT_GE(contrast(time.color(QPalette::HighlightedText).rgb(),
                       time.color(QPalette::Highlight).rgb()),
              4.5);
}

// What the user sees: a line's pixels, a bar's fill, the picture under a
// label; and what pops up: a list's drop-down list and the tool tips.
TEST_F(LightColoursTest, LinesBarsAndPopupsAreDrawnLight) {
    EXPECT_EQ(QColor(control("Line7")->grab().toImage().pixel(10, 0)), kBlack);
    const QImage bar = control("Shape1")->grab().toImage();
    EXPECT_EQ(QColor(bar.pixel(0, 0)), kBlack) << "the bar's border";
    EXPECT_EQ(QColor(bar.pixel(3, bar.height() / 2)), kBarGrey);

    const QAbstractItemView* view = list("Combo2")->view();
    EXPECT_EQ(view->palette().color(QPalette::Base), kWhite);
    EXPECT_EQ(view->palette().color(QPalette::Text), kBlack);
    EXPECT_EQ(view->window()->palette().color(QPalette::Window), kWhite);
    EXPECT_EQ(QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase), kPaleYellow);
    EXPECT_EQ(QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipText), kBlack);
}

// A marked field keeps dark text on its light red, and goes back to white.
TEST_F(LightColoursTest, MarkedFieldStaysReadableAndTurnsWhiteAgain) {
    QLineEdit* extras = field("Text3");
    replaceText(extras, "abc");
    click(control<QPushButton>("Command1"));
    ASSERT_TRUE(program_.form.reports.isMarked("Text3"));
    EXPECT_EQ(extras->palette().color(QPalette::Base), kMarked);
    EXPECT_EQ(extras->palette().color(QPalette::Text), kBlack);
    const QLabel* message = control<QLabel>("ReportMessage");
    EXPECT_EQ(message->palette().color(QPalette::Window), kPaleYellow);
    EXPECT_EQ(message->palette().color(QPalette::WindowText), kBlack);

    replaceText(extras, "12");
    ASSERT_FALSE(program_.form.reports.isMarked("Text3"));
    EXPECT_EQ(extras->palette().color(QPalette::Base), kWhite);
}

} // namespace
} // namespace kelvaro
