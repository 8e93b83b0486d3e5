// Typing, the slider and the lists, driven by input events: the playing time
// and the slider stay in step, and only a choice from a list runs a handler.
#include "gui_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace kelvaro {
namespace {

class InputBindingTest : public GuiFixture {
protected:
    // The results for 90 minutes with the start values: 5400 s, 86400 KB of
    // audio, 4428416 KB for the video, 6560.6 kbit/s cut to 6560, then
    // (6560 + 500) / 2, (6560 + 9800) / 2 and 5400 * 6560 / 8 / 1024 MB.
    void expectResultsForNinetyMinutes() {
        EXPECT_EQ(text("Text4"), "5400");
        EXPECT_EQ(text("Text7"), "4428416");
        EXPECT_EQ(text("Text8"), "6560");
        EXPECT_EQ(text("Text12"), "3530");
        EXPECT_EQ(text("Text13"), "8180");
        EXPECT_EQ(caption("Label8"), "720x576");
        EXPECT_EQ(caption("Label13"), "4324,21875");
        EXPECT_EQ(caption("Label22"), "84,375");
        EXPECT_EQ(caption("Label26"), "4408,59375");
    }

    // Where the slider's right arrow or its track right of the handle is.
    QPoint sliderPart(QStyle::SubControl part) {
        QScrollBar* bar = slider();
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Horizontal;
        option.state |= QStyle::State_Horizontal;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.subControls = QStyle::SC_All;
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
    }
};

TEST_F(InputBindingTest, DeletingThePlayingTimeLeavesOneAndTheSliderFollows) {
    QLineEdit* minutes = field("Text1");
    clickInto(minutes);
    pressKey(minutes, Qt::Key_End);
    pressKey(minutes, Qt::Key_Backspace);
    EXPECT_EQ(text("Text1"), "12");
    EXPECT_EQ(slider()->value(), 12);
    EXPECT_EQ(text("Text4"), "720");
    pressKey(minutes, Qt::Key_Backspace);
    pressKey(minutes, Qt::Key_Backspace);
    EXPECT_EQ(text("Text1"), "1");
    EXPECT_EQ(slider()->value(), 1);
    EXPECT_EQ(text("Text4"), "60");
    // The refilled "1" stays, so typing 90 after it gives 190.
    typeInto(minutes, "90");
    EXPECT_EQ(text("Text1"), "190");
    EXPECT_EQ(slider()->value(), 190);
    EXPECT_EQ(text("Text4"), "11400");
    EXPECT_EQ(minutes->cursorPosition(), 3);
}

TEST_F(InputBindingTest, TypingNineThenZeroMovesTheSliderTwice) {
    QLineEdit* minutes = field("Text1");
    replaceText(minutes, "9");
    EXPECT_EQ(slider()->value(), 9);
    EXPECT_EQ(text("Text4"), "540");
    typeInto(minutes, "0");
    EXPECT_EQ(text("Text1"), "90");
    EXPECT_EQ(slider()->value(), 90);
    EXPECT_EQ(minutes->cursorPosition(), 2);
    expectResultsForNinetyMinutes();
    // A fourth character is refused.
    typeInto(minutes, "12");
    EXPECT_EQ(text("Text1"), "901");
    EXPECT_EQ(slider()->value(), 90) << "901 lies above the slider's maximum";
    EXPECT_EQ(text("Text8"), "6560");
}

TEST_F(InputBindingTest, PastingALeadingZeroIsRewrittenByTheSlider) {
    QLineEdit* minutes = field("Text1");
    clickInto(minutes);
    QGuiApplication::clipboard()->setText("090");
    QTest::keyClick(minutes, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(minutes, Qt::Key_V, Qt::ControlModifier);
    settle();
    EXPECT_EQ(slider()->value(), 90);
    EXPECT_EQ(text("Text1"), "90");
    expectResultsForNinetyMinutes();
}

TEST_F(InputBindingTest, MovingTheSliderWritesThePlayingTimeAndRecalculates) {
    dragSliderTo(90);
    EXPECT_EQ(text("Text1"), "90");
    expectResultsForNinetyMinutes();

    QScrollBar* bar = slider();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, sliderPart(QStyle::SC_ScrollBarAddLine));
    settle();
    EXPECT_EQ(bar->value(), 91) << "an arrow click moves by 1";
    EXPECT_EQ(text("Text1"), "91");
    EXPECT_EQ(text("Text4"), "5460");
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, sliderPart(QStyle::SC_ScrollBarAddPage));
    settle();
    EXPECT_EQ(bar->value(), 92) << "a click into the track moves by 1";
    EXPECT_EQ(text("Text1"), "92");
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, sliderPart(QStyle::SC_ScrollBarSubLine));
    settle();
    EXPECT_EQ(bar->value(), 91);
    EXPECT_EQ(text("Text1"), "91");
}

// The arrow keys move a focused horizontal slider the way they point.
TEST_F(InputBindingTest, ArrowKeysMoveTheSliderTheWayTheyPoint) {
    QScrollBar* bar = slider();
    clickInto(bar);
    pressKey(bar, Qt::Key_Right);
    EXPECT_EQ(bar->value(), 121);
    EXPECT_EQ(text("Text1"), "121");
    pressKey(bar, Qt::Key_Left);
    pressKey(bar, Qt::Key_Left);
    EXPECT_EQ(bar->value(), 119);
    EXPECT_EQ(text("Text1"), "119");
}

TEST_F(InputBindingTest, EnterInAListsTextAreaChoosesNothing) {
    QComboBox* audio = list("Combo2");
    QLineEdit* area = audio->lineEdit();
    replaceText(area, "1");
    EXPECT_EQ(area->text().toStdString(), "1") << "no completion to an item";
    replaceText(area, "192 kbps");
    pressKey(area, Qt::Key_Return);
    EXPECT_EQ(area->text().toStdString(), "192 kbps");
    EXPECT_EQ(audio->currentIndex(), -1);
    EXPECT_EQ(audio->count(), 12);
    EXPECT_EQ(program_.form.Combo2.listIndex(), -1);
    EXPECT_EQ(text("Text11"), "16");

    QComboBox* disc = list("Combo1");
    replaceText(disc->lineEdit(), "8,5 GB   DVD");
    pressKey(disc->lineEdit(), Qt::Key_Enter);
    EXPECT_EQ(disc->currentIndex(), -1);
    EXPECT_EQ(disc->count(), 2);
    EXPECT_EQ(text("Text10"), "4596736");
    EXPECT_EQ(slider()->maximum(), 620);
    EXPECT_FALSE(control("Shape1")->isHidden());
    EXPECT_TRUE(control("Shape6")->isHidden());

    // Leaving the text area does not choose the item it names either.
    QComboBox* second = list("Combo3");
    replaceText(second->lineEdit(), "160 kbps");
    pressKey(second->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(second->currentIndex(), -1);
    EXPECT_EQ(text("Text16"), "0");

    // After a choice, typing another item's text keeps the choice.
    chooseFromPopup(audio, 5);
    EXPECT_EQ(text("Text11"), "24");
    replaceText(area, "96 kbps");
    pressKey(area, Qt::Key_Return);
    EXPECT_EQ(audio->currentIndex(), 5);
    EXPECT_EQ(area->text().toStdString(), "96 kbps");
    EXPECT_EQ(text("Text11"), "24");
}

TEST_F(InputBindingTest, ChoosingADiscRunsItsHandlerAlsoForTheSameItem) {
    QComboBox* disc = list("Combo1");
    chooseFromPopup(disc, 0);
    EXPECT_EQ(disc->currentIndex(), 0);
    EXPECT_EQ(disc->lineEdit()->text().toStdString(), "4,7 GB   DVD");
    replaceText(field("Text17"), "99");
    chooseFromPopup(disc, 0);
    EXPECT_EQ(text("Text17"), "80") << "the same item chosen again resets the overhead";

    chooseFromPopup(disc, 1);
    EXPECT_EQ(disc->lineEdit()->text().toStdString(), "8,5 GB   DVD");
    EXPECT_EQ(text("Text10"), "8347648");
    EXPECT_EQ(slider()->maximum(), 960);
    for (const char* shown : {"Shape6", "Shape7", "Shape8"}) {
        EXPECT_FALSE(control(shown)->isHidden()) << shown;
    }
    for (const char* hidden : {"Shape1", "Shape2", "Shape3"}) {
        EXPECT_TRUE(control(hidden)->isHidden()) << hidden;
    }
    EXPECT_EQ(text("Text8"), "4888") << "a choice recalculates nothing";
}

TEST_F(InputBindingTest, ArrowKeysInAListChooseItems) {
    QComboBox* second = list("Combo3");
    clickInto(second->lineEdit());
    pressKey(second->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(second->currentIndex(), 0);
    EXPECT_EQ(text("Text16"), "0");
    pressKey(second->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(second->currentIndex(), 1);
    EXPECT_EQ(second->lineEdit()->text().toStdString(), "96 kbps");
    EXPECT_EQ(text("Text16"), "12");
    EXPECT_EQ(program_.form.Combo3.listIndex(), 1);
    EXPECT_EQ(text("Text11"), "16") << "the other list's field stays";
}

} // namespace
} // namespace kelvaro
