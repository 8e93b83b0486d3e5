// What the user sees right after start-up, and where the keyboard goes.
#include "gui_fixture.h"

#include <QRegularExpression>
#include <QTest>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

using StartupTest = GuiFixture;

// 120 minutes, 4,7 GB, one 128 kbit/s track, no second track, no extras or
// subtitles, 80 MB overhead: 7200 s, 115200 KB of audio, 4399616 KB for the
// video, 4888.46 kbit/s cut to 4888, (4888 + 500) / 2 and (4888 + 9800) / 2.
TEST_F(StartupTest, ShowsTheFirstResultsOfTheSliderRecalculation) {
    EXPECT_TRUE(form1()->isVisible());
    EXPECT_EQ(about(), nullptr) << "About is created the first time it is shown";
    EXPECT_EQ(text("Text1"), "120");
    EXPECT_EQ(slider()->value(), 120);
    EXPECT_EQ(slider()->minimum(), 1);
    EXPECT_EQ(slider()->maximum(), 620);
    const struct {
        const char* name;
        const char* text;
    } fields[] = {
        {"Text9", "1"},     {"Text15", "1"},       {"Text3", "0"},       {"Text14", "0"},
        {"Text17", "80"},   {"Text10", "4596736"}, {"Text11", "16"},     {"Text16", "0"},
        {"Text4", "7200"},  {"Text5", "115200"},   {"Text18", "0"},      {"Text7", "4399616"},
        {"Text8", "4888"},  {"Text12", "2694"},    {"Text13", "7344"},   {"Text2", "448"},
        {"Text6", "Text6"}, {"Text19", "Text19"},  {"Text20", "Text20"},
    };
    for (const auto& [name, expected] : fields) {
        EXPECT_EQ(text(name), expected) << name;
    }
    const struct {
        const char* name;
        const char* caption;
    } captions[] = {
        {"Label8", "720x576"}, {"Label13", "4296,09375"}, {"Label22", "112,5"},
        {"Label29", "0"},      {"Label26", "4408,59375"}, {"Label25", "Video + Audo"},
        {"Label12_1", "kbps"},
    };
    for (const auto& [name, expected] : captions) {
        EXPECT_EQ(caption(name), expected) << name;
    }
}

TEST_F(StartupTest, ListsAreFilledAndShowTheirStartTextsWithNothingChosen) {
    const struct {
        const char* name;
        int count;
        const char* shown;
    } lists[] = {{"Combo1", 2, "4,7 GB   DVD"}, {"Combo2", 12, "128 kbps"}, {"Combo3", 12, "None"}};
    for (const auto& [name, count, shown] : lists) {
        SCOPED_TRACE(name);
        const QComboBox* combo = list(name);
        EXPECT_EQ(combo->count(), count);
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_TRUE(combo->isEditable());
        EXPECT_EQ(combo->lineEdit()->text().toStdString(), shown);
    }
    EXPECT_EQ(list("Combo1")->itemText(1).toStdString(), "8,5 GB   DVD");
    const char* audio[] = {"None",     "96 kbps",  "112 kbps", "128 kbps", "160 kbps", "192 kbps",
                           "224 kbps", "256 kbps", "320 kbps", "384 kbps", "448 kbps", "1536 kbps"};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(list("Combo2")->itemText(i).toStdString(), audio[i]);
        EXPECT_EQ(list("Combo3")->itemText(i).toStdString(), audio[i]);
    }
}

// 4296.09375 MB / 4 and 112.5 MB / 4 are exact in single precision.
TEST_F(StartupTest, OnlyTheBarsOfTheSmallDiscAreShown) {
    const struct {
        const char* name;
        double width;
        bool shown;
    } bars[] = {
        {"Shape1", 1074.0234375, true},      {"Shape2", 28.125, true},       {"Shape3", 0.0, true},
        {"Shape6", 4296.09375 / 7.4, false}, {"Shape7", 112.5 / 7.4, false}, {"Shape8", 0.0, false},
    };
    for (const auto& [name, width, shown] : bars) {
        SCOPED_TRACE(name);
        const QWidget* bar = control(name);
        EXPECT_NEAR(bar->property("widthTwips").toDouble(), width, 1e-4);
        EXPECT_EQ(!bar->isHidden(), shown);
    }
    for (const char* frame : {"Shape4_0", "Shape4_1", "Shape4_2"}) {
        EXPECT_FALSE(control(frame)->isHidden()) << frame;
    }
}

TEST_F(StartupTest, WindowIsCentredOnTheScreen) {
    EXPECT_TRUE(isCentred(form1()));
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
