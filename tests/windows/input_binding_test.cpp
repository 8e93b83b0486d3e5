// Typing, the slider and the lists, driven by input events: the playing time
// and the slider stay in step, and only a choice from a list runs a handler.
#include "gui_fixture.h"

#include <QTest>

#include <functional>

namespace kelvaro {
namespace {

using InputBindingTest = GuiFixture;

// Keys go where the cursor stands, which a rewrite of the field must leave
// at its end: the "1" refilled into the emptied field takes the "90" after
// it, the "9" that "09" is rewritten to takes the "0".
TEST_F(InputBindingTest, TypingKeepsTheSliderInStepAndTheCursorAtTheEnd) {
    QLineEdit* minutes = field("Text1");
    clickInto(minutes);
    pressKey(minutes, Qt::Key_End);
    const struct {
        bool overAll;     // the keys replace the selected text
        const char* keys; // '\b' is backspace
        const char* held;
        int minutes;
    } steps[] = {
        {false, "\b", "12", 12},  {false, "\b\b", "1", 1}, {false, "90", "190", 190},
        {false, "5", "190", 190}, {true, "09", "9", 9},    {false, "0", "90", 90},
        {false, "12", "901", 90}, // a fourth key is refused, 901 lies above the maximum
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.keys);
        if (step.overAll) {
            replaceText(minutes, step.keys);
        }
        for (const char* key = step.keys; !step.overAll && *key != '\0'; ++key) {
            QTest::keyClick(minutes, *key == '\b' ? Qt::Key_Backspace : Qt::Key(*key));
            settle();
        }
        EXPECT_EQ(text("Text1"), step.held);
        EXPECT_EQ(minutes->cursorPosition(), minutes->text().size());
        EXPECT_EQ(slider()->value(), step.minutes);
        EXPECT_EQ(text("Text4"), std::to_string(step.minutes * 60));
    }
    EXPECT_EQ(text("Text8"), "6560");
}

// The slider's track (the action a click on it takes) and its keys move it by
// one, and every move writes the playing time.
TEST_F(InputBindingTest, TrackAndKeysMoveTheSliderByOne) {
    QScrollBar* bar = slider();
    const auto click = [&](QScrollBar::SliderAction action) {
        bar->triggerAction(action);
        settle();
    };
    const struct {
        const char* name;
        std::function<void()> move;
        int value;
    } moves[] = {
        {"drag", [&] { dragSliderTo(90); }, 90},
        {"track right of the handle", [&] { click(QScrollBar::SliderPageStepAdd); }, 91},
        {"Right key", [&] { pressKey(bar, Qt::Key_Right); }, 92},
        {"Left key", [&] { pressKey(bar, Qt::Key_Left); }, 91},
    };
    for (const auto& [name, move, value] : moves) {
        SCOPED_TRACE(name);
        move();
        EXPECT_EQ(bar->value(), value);
        EXPECT_EQ(text("Text1"), std::to_string(value));
        EXPECT_EQ(text("Text4"), std::to_string(value * 60));
    }
}

TEST_F(InputBindingTest, TypingInAListsTextAreaChoosesNothing) {
    QComboBox* audio = list("Combo2");
    QLineEdit* area = audio->lineEdit();
    replaceText(area, "1");
    EXPECT_EQ(area->text().toStdString(), "1") << "no completion to an item";
    replaceText(area, "192 kbps");
    pressKey(area, Qt::Key_Return);
    EXPECT_EQ(area->text().toStdString(), "192 kbps");
    EXPECT_EQ(audio->currentIndex(), -1);
    EXPECT_EQ(audio->count(), 12);
    EXPECT_EQ(program_.form.audio1.bitrate.listIndex(), -1);
    EXPECT_EQ(text("Text11"), "16");

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
    area->setCursorPosition(2);
    pressKey(area, Qt::Key_Return);
    EXPECT_EQ(audio->currentIndex(), 5);
    EXPECT_EQ(area->text().toStdString(), "96 kbps");
    EXPECT_EQ(area->cursorPosition(), 2) << "the text cursor stays where it was";
    EXPECT_EQ(text("Text11"), "24");

    // Ctrl+Z takes back what was typed: the text shown back after each key
    // leaves the area's history alone.
    QTest::keyClicks(area, "5");
    QTest::keyClick(area, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(program_.form.audio1.bitrate.text(), "96 kbps");
}

} // namespace
} // namespace kelvaro
