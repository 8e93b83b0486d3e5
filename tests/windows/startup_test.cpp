// What the user sees right after start-up, and where the keyboard goes.
#include "gui_fixture.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {
namespace {

using StartupTest = GuiFixture;

// What the golden start-up script cannot read: the window centred, About
// not yet created, the slider's minimum, the hidden fields' and the fixed
// captions' texts, the lists' items.
TEST_F(StartupTest, ShowsTheLayoutsTextsAndListsCentred) {
    EXPECT_TRUE(form1()->isVisible());
    EXPECT_TRUE(isCentred(form1()));
    EXPECT_EQ(about(), nullptr) << "About is created the first time it is shown";
    EXPECT_EQ(slider()->minimum(), 1);
    for (const auto& [name, expected] :
         {std::pair{"Text2", "448"}, std::pair{"Text6", "Text6"}, std::pair{"Text19", "Text19"},
          std::pair{"Text20", "Text20"}}) {
        EXPECT_EQ(text(name), expected) << name;
    }
    EXPECT_EQ(caption("Label25"), "Video + Audo");
    EXPECT_EQ(caption("Label12_1"), "kbps");
    const QStringList discs{"4,7 GB   DVD", "8,5 GB   DVD"};
    const QStringList audio{"None",     "96 kbps",  "112 kbps", "128 kbps",
                            "160 kbps", "192 kbps", "224 kbps", "256 kbps",
                            "320 kbps", "384 kbps", "448 kbps", "1536 kbps"};
    for (const auto& [name, items] :
         {std::pair{"Combo1", discs}, std::pair{"Combo2", audio}, std::pair{"Combo3", audio}}) {
        SCOPED_TRACE(name);
        const QComboBox* combo = list(name);
        EXPECT_TRUE(combo->isEditable());
        QStringList held;
        for (int i = 0; i < combo->count(); ++i) {
            held.push_back(combo->itemText(i));
        }
        EXPECT_EQ(held, items);
    }
}

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

// The named control that holds the keyboard focus (a list's text area
// belongs to its list).
std::string focusedControl(const QWidget* window) {
    static const QRegularExpression named("^(Text|Combo|Command|HScroll)\\d+$");
    for (const QWidget* w = window->focusWidget(); w != nullptr; w = w->parentWidget()) {
        if (named.match(w->objectName()).hasMatch()) {
            return w->objectName().toStdString();
        }
    }
    return "(none)";
}

// Tab walks the visible controls in ascending tab index and comes back to
// Text1. The result fields may or may not take the focus; if they do, they
// hold their places (Text8 after Command1, Text12 and Text13 after Combo1).
TEST_F(StartupTest, FocusStartsInText1AndTabFollowsTheLayoutOrder) {
    form1()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1()));
    ASSERT_EQ(focusedControl(form1()), "Text1");
    // The playing time starts selected, so typing replaces it.
    EXPECT_EQ(qobject_cast<QLineEdit*>(form1()->focusWidget())->selectedText(), "120");
    std::vector<std::string> walked;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(form1()->focusWidget(), Qt::Key_Tab);
        settle();
        const std::string now = focusedControl(form1());
        walked.push_back(now);
        if (now == "Text1") {
            break;
        }
    }
    const std::vector<std::string> withoutResults{
        "Text3",  "Command1", "HScroll1", "Command2", "Command3", "Text9", "Combo1",
        "Combo2", "Combo3",   "Text14",   "Text15",   "Text17",   "Text1"};
    const std::vector<std::string> withResults{
        "Text3",  "Command1", "Text8",  "HScroll1", "Command2", "Command3", "Text9",  "Combo1",
        "Text12", "Text13",   "Combo2", "Combo3",   "Text14",   "Text15",   "Text17", "Text1"};
    std::string seen;
    for (const std::string& name : walked) {
        seen += name + " ";
    }
    EXPECT_TRUE(walked == withoutResults || walked == withResults) << "Tab went: " << seen;
}

} // namespace
} // namespace kelvaro
