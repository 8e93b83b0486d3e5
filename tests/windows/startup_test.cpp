// What the user sees right after start-up: the whole sizes in the tool tips
// and the window icon.
#include "gui_fixture.h"

#include <algorithm>
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
}

// The window carries the program's icon drawn at each size a desktop asks
// for, none scaled from another.
TEST_F(StartupTest, WindowIconHoldsEveryDrawnSize) {
    std::vector<int> sizes;
    for (const QSize& size : form1()->windowIcon().availableSizes()) {
        EXPECT_EQ(size.width(), size.height());
        sizes.push_back(size.width());
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 72, 96, 128}));
}

} // namespace
} // namespace kelvaro
