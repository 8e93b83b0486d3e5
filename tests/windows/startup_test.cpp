// What the user sees right after start-up: the whole sizes in the tool tips,
// and results that start where a figure is read.
#include "gui_fixture.h"

#include <QImage>
#include <QScreen>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

using StartupTest = GuiFixture;

// The size captions are narrower than their values (33 px for "4296,09375"):
// the tool tip shows the whole value in MB, at start-up and after every run.
// Audio: 16 KB/s for 7200 s is 115200 KB = 112,5 MB, for 5400 s 84,375 MB.
TEST_F(StartupTest, SizeCaptionsShowTheirWholeValueInTheToolTip) {
    const auto tips = [this] {
        std::vector<std::string> held;
        for (const char* name : {"Label13", "Label22", "Label29", "Label26"}) {
            held.push_back(label(name)->toolTip().toStdString());
        }
        return held;
    };
    EXPECT_LT(label("Label13")->width(), label("Label13")->sizeHint().width())
        << "the caption is cut on screen";
    EXPECT_EQ(caption("Label13"), "4296,09375");
    EXPECT_EQ(tips(),
              (std::vector<std::string>{"4296,09375 MB", "112,5 MB", "0 MB", "4408,59375 MB"}));
    dragSliderTo(90);
    EXPECT_EQ(label("Label22")->toolTip().toStdString(), "84,375 MB");
    EXPECT_EQ(caption("Label22"), "84,375");
    EXPECT_EQ(label("Label13")->toolTip().toStdString(), caption("Label13") + " MB");
    // The window's icon holds each of its eight drawn sizes, none missing.
    EXPECT_EQ(form1()->windowIcon().availableSizes().size(), 8);
}

// A result cut to five characters can be wider than its box: the box shows
// its first digits, with the field's own margin before them, as a figure is
// read; also after the user has been in the box, where Tab selected all of
// it and so showed its end. At 121 minutes the minimum is (4847 + 500) / 2 =
// 2673,5, at 125 minutes (4687 + 500) / 2 = 2593,5.
TEST_F(StartupTest, ResultWiderThanItsBoxShowsItsStart) {
    QLineEdit* minimum = field("Text12");
    const auto firstInk = [minimum] {
        const QImage drawn = minimum->grab().toImage();
        return inkIn(drawn, drawn.rect().adjusted(2, 3, -2, -3), drawn.pixel(drawn.width() / 2, 2))
            .left();
    };
    dragSliderTo(121);
    ASSERT_EQ(text("Text12"), "2673,");
    EXPECT_GT(firstInk(), 3) << "the first digit runs into the field's left edge";

    minimum->setFocus(Qt::TabFocusReason);
    minimum->grab();
    field("Text1")->setFocus(Qt::TabFocusReason);
    dragSliderTo(125);
    ASSERT_EQ(text("Text12"), "2593,");
    EXPECT_GT(firstInk(), 3) << "after the box had the focus";
}

// The window opens in the middle of the screen, its frame included, though
// the frame's size is known only once the window is shown.
TEST_F(StartupTest, WindowOpensCentredWithItsFrame) {
    EXPECT_EQ(form1()->frameGeometry().center(), form1()->screen()->availableGeometry().center());
}

} // namespace
} // namespace kelvaro
