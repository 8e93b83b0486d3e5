// The keyboard alone: the slider shows when it has the focus, Enter presses
// only a button and, held, presses it once, a list's popup opens on the item
// the field shows, and the focus comes back where it was after the About
// window.
#include "gui_fixture.h"
#include "widgets/choice_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleOption>
#include <QTest>
#include <QWindow>

#include <functional>
#include <set>
#include <string>
#include <tuple>

namespace kelvaro {
namespace {

class KeyboardTest : public GuiFixture {
protected:
    void SetUp() override { activate(form1()); }
    static void activate(QWidget* window) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // A key as the user types it: it goes to whatever holds the focus, or to
    // the open popup.
    static void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
        settle();
    }

    // Tab from wherever the focus is until it reaches the control.
    void tabTo(const QWidget* target) {
        for (int i = 0; i < 40 && QApplication::focusWidget() != target; ++i) {
            type(Qt::Key_Tab);
        }
        ASSERT_EQ(QApplication::focusWidget(), target)
            << "Tab never reached " << target->objectName().toStdString();
    }

    // A key held down as the window system delivers it: the press, then for
    // each repeat a release and a press that are both marked as repeated (so
    // Qt reports X11's repeats, and makes its own on Wayland), and at last
    // the release of the key let go.
    static void hold(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers, int repeats) {
        QWindow* handle = window->windowHandle();
        const QString enter = QStringLiteral("\r");
        qt_handleKeyEvent(handle, QEvent::KeyPress, key, modifiers, enter, false);
        for (int i = 0; i < repeats; ++i) {
            settle();
            qt_handleKeyEvent(handle, QEvent::KeyRelease, key, modifiers, enter, true);
            qt_handleKeyEvent(handle, QEvent::KeyPress, key, modifiers, enter, true);
        }
        settle();
        qt_handleKeyEvent(handle, QEvent::KeyRelease, key, modifiers, enter, false);
        settle();
    }

    QPushButton* button(const QString& name) const { return control<QPushButton>(name); }
    QPushButton* okButton() const { return control<QPushButton>("Command1", about()); }
};

// --- The slider's focus ---------------------------------------------------

struct Difference {
    int changed = 0; // pixels that differ at all
    int visible = 0; // pixels that changed by a contrast of at least 3:1
};

// Compares two grabs of the window pixel by pixel inside an area given in the
// window's coordinates.
Difference compare(const QImage& before, const QImage& after, const QRect& area) {
    Difference d;
    const qreal ratio = before.devicePixelRatio();
    const QRect inDevice(area.topLeft() * ratio, area.size() * ratio);
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            const QRgb a = before.pixel(x, y);
            const QRgb b = after.pixel(x, y);
            if (a == b || !inDevice.contains(x, y)) {
                continue;
            }
            ++d.changed;
            if (contrast(a, b) >= 3.0) {
                ++d.visible;
            }
        }
    }
    return d;
}

TEST_F(KeyboardTest, TheSliderShowsTheFocusAndLosesTheMarkWithIt) {
    QScrollBar* bar = slider();
    const QImage unfocused = form1()->grab().toImage();

    tabTo(bar);
    const QImage focused = form1()->grab().toImage();
    const Difference in = compare(unfocused, focused, bar->geometry());
    // A mark as long as the bar at least, that stands out from the bar and
    // the picture as a line of a control does (3:1).
    EXPECT_GE(in.visible, bar->width())
        << in.changed << " pixels changed, " << in.visible << " visibly";
    // Two closed frames: the bar's outermost ring of pixels is all one
    // colour, and so is the ring inside it.
    const QImage drawn = bar->grab().toImage();
    for (int inset : {0, 1}) {
        std::set<QRgb> colours;
        const QRect ring = drawn.rect().adjusted(inset, inset, -inset, -inset);
        for (int x = ring.left(); x <= ring.right(); ++x) {
            colours.insert({drawn.pixel(x, ring.top()), drawn.pixel(x, ring.bottom())});
        }
        for (int y = ring.top(); y <= ring.bottom(); ++y) {
            colours.insert({drawn.pixel(ring.left(), y), drawn.pixel(ring.right(), y)});
        }
        EXPECT_EQ(colours.size(), 1u) << "ring " << inset;
    }

    // What reaches the screen is what the window paints from scratch, though
    // moving the handle repaints only its strip.
    const auto screenDiffersFromAFullPaint = [this] {
        settle();
        const QImage full = form1()->grab().toImage();
        const QImage shown = form1()
                                 ->screen()
                                 ->grabWindow(form1()->winId(), 0, 0, full.width(), full.height())
                                 .toImage()
                                 .convertToFormat(full.format());
        return compare(full, shown, full.rect()).changed;
    };
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(bar, Qt::Key_Right);
    }
    EXPECT_EQ(screenDiffersFromAFullPaint(), 0) << "the handle moved with the focus";
    type(Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), bar);
    dragSliderTo(400);
    EXPECT_EQ(screenDiffersFromAFullPaint(), 0) << "the focus gone, the handle moved without it";
    dragSliderTo(120);
    const Difference out = compare(unfocused, form1()->grab().toImage(), bar->geometry());
    EXPECT_EQ(out.changed, 0) << "the mark stays after the focus has gone";
}

// --- Enter on a button ----------------------------------------------------

// There is no default button: Enter anywhere but on a button presses none,
// and Enter with Shift, Ctrl or Alt held is no press either. Enter or the
// keypad's Enter held on "Berechnen" presses it once, however long the key
// repeats: one calculation, with the tracks typed before.
TEST_F(KeyboardTest, EnterPressesOnlyAButtonAndOnlyOnce) {
    int presses = 0;
    for (const char* name : {"Command1", "Command2", "Command3"}) {
        QObject::connect(button(name), &QPushButton::clicked, [&presses] { ++presses; });
    }
    replaceText(field("Text9"), "2");
    const std::string average = text("Text8");
    for (const char* name : {"Text1", "Text8", "HScroll1", "Combo2"}) {
        SCOPED_TRACE(name);
        tabTo(control(name));
        type(Qt::Key_Return);
        type(Qt::Key_Enter, Qt::KeypadModifier);
    }
    tabTo(button("Command2"));
    for (const Qt::KeyboardModifier held :
         {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        type(Qt::Key_Return, held);
    }
    ASSERT_EQ(presses, 0);
    EXPECT_EQ(text("Text8"), average);
    EXPECT_FALSE(program_.lifeCycle.ended());
    EXPECT_EQ(about(), nullptr);

    tabTo(button("Command1"));
    hold(form1(), Qt::Key_Return, Qt::NoModifier, 3);
    EXPECT_EQ(presses, 1);
    EXPECT_NE(text("Text8"), average) << "calculated with the tracks typed";
    hold(form1(), Qt::Key_Enter, Qt::KeypadModifier, 3);
    EXPECT_EQ(presses, 2);
}

// --- A list's popup opened with the keyboard -------------------------------

struct PopupCase {
    const char* list;
    const char* chooseFirst; // an item chosen before, or nullptr
    const char* typed;       // a text typed over the field, or nullptr
    int highlighted;         // the row the popup opens on
    const char* handlerField;
};

// The lists start with nothing chosen, showing their start texts; the row
// the popup opens on is the item whose text the field shows.
const PopupCase kPopupCases[] = {
    {"Combo2", nullptr, nullptr, 3, "Text11"},      // "128 kbps"
    {"Combo1", nullptr, nullptr, 0, "Text10"},      // "4,7 GB   DVD"
    {"Combo3", nullptr, "384 kbps", 9, "Text16"},   // typed, nothing chosen
    {"Combo2", "96 kbps", "256 kbps", 7, "Text11"}, // typed over a choice
    {"Combo3", "160 kbps", "256 kbp", 4, "Text16"}, // no such item: the chosen one
    {"Combo2", nullptr, "128 KBPS", 0, "Text11"},   // no such item, none chosen: the first
    {"Combo3", nullptr, "448 kbps", 10, "Text16"},  // below the popup's first ten rows
};

// Opened with F4 or Alt+Down; closed with Escape or Enter.
using PopupParam = std::tuple<PopupCase, bool, bool>;

class PopupTest : public KeyboardTest, public ::testing::WithParamInterface<PopupParam> {};

// Opening highlights the item, choosing nothing; Down moves the highlight
// and still chooses nothing; Escape leaves everything as it was, Enter
// chooses the highlighted item and runs the list's handler.
TEST_P(PopupTest, OpensOnTheItemTheFieldShows) {
    const auto& [c, altDown, escape] = GetParam();
    QComboBox* combo = list(c.list);
    if (c.chooseFirst != nullptr) {
        chooseFromPopup(combo, combo->findText(QString::fromUtf8(c.chooseFirst)));
    }
    if (c.typed != nullptr) {
        replaceText(combo->lineEdit(), QString::fromUtf8(c.typed));
    }
    tabTo(combo);
    const QString shown = combo->lineEdit()->text();
    const int chosen = combo->currentIndex();
    const std::string handled = text(c.handlerField);
    QSignalSpy choices(qobject_cast<ChoiceList*>(combo), &ChoiceList::chosen);

    type(altDown ? Qt::Key_Down : Qt::Key_F4, altDown ? Qt::AltModifier : Qt::NoModifier);
    ASSERT_TRUE(combo->view()->isVisible()) << "the popup is open";
    EXPECT_EQ(combo->view()->currentIndex().row(), c.highlighted);
    EXPECT_TRUE(combo->view()->viewport()->rect().contains(
        combo->view()->visualRect(combo->view()->currentIndex())))
        << "the row is in sight";
    type(Qt::Key_Down);
    EXPECT_EQ(combo->view()->currentIndex().row(), c.highlighted + 1);
    EXPECT_EQ(combo->currentIndex(), chosen);
    EXPECT_EQ(choices.count(), 0) << "nothing chosen while moving";

    type(escape ? Qt::Key_Escape : Qt::Key_Return);
    EXPECT_FALSE(combo->view()->isVisible());
    EXPECT_EQ(choices.count(), escape ? 0 : 1);
    EXPECT_EQ(combo->currentIndex(), escape ? chosen : c.highlighted + 1);
    EXPECT_EQ(combo->lineEdit()->text(), escape ? shown : combo->itemText(c.highlighted + 1));
    EXPECT_EQ(text(c.handlerField) == handled, escape) << "the list's handler ran on Enter only";
}

INSTANTIATE_TEST_SUITE_P(Lists, PopupTest,
                         ::testing::Combine(::testing::ValuesIn(kPopupCases), ::testing::Bool(),
                                            ::testing::Bool()));

// --- Back from the About window -------------------------------------------

struct ReturnCase {
    const char* name;
    const char* focusedBefore;
    std::function<void()> pressAbout;
};

// Whether the style draws the widget's focus frame: it has the focus, and its
// window shows the frame because the keyboard brought the focus there.
bool showsFocusFrame(const QWidget* widget) {
    QStyleOption option;
    option.initFrom(widget);
    return (option.state & QStyle::State_HasFocus) &&
           (option.state & QStyle::State_KeyboardFocusChange);
}

// "OK" gives the main window the keyboard back, in the control that had it,
// with its focus frame showing as before; the next key works there.
TEST_F(KeyboardTest, AfterOkTheFocusIsBackWhereItWas) {
    const ReturnCase cases[] = {
        {"Space on About", "Command3", [] { type(Qt::Key_Space); }},
        {"Enter on About", "Command3", [] { type(Qt::Key_Return); }},
        {"About pressed without the focus (an assistive tool)", "Text9",
         [this] { button("Command3")->click(); }},
    };
    for (const ReturnCase& c : cases) {
        SCOPED_TRACE(c.name);
        activate(form1());
        QWidget* before = control(c.focusedBefore);
        tabTo(before);
        c.pressAbout();
        ASSERT_NE(about(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(about()));
        ASSERT_EQ(QApplication::focusWidget(), okButton());
        EXPECT_TRUE(showsFocusFrame(okButton()));
        type(Qt::Key_Space);
        EXPECT_TRUE(QTest::qWaitForWindowActive(form1()));
        EXPECT_EQ(QApplication::focusWidget(), before);
        EXPECT_TRUE(showsFocusFrame(before));
    }
    // The next key lands: Tab from About goes on to Text9.
    tabTo(button("Command3"));
    type(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), field("Text9"));
}

// About opened with the mouse and closed with the keyboard: the main window
// shows the focus frame too, for the keyboard is in use now.
TEST_F(KeyboardTest, KeyboardUsedInAboutShowsTheFocusFrameBack) {
    click(button("Command3"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(about()));
    ASSERT_FALSE(showsFocusFrame(okButton()));
    type(Qt::Key_Tab);
    type(Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1()));
    EXPECT_TRUE(showsFocusFrame(button("Command3")));
}

// About opened and closed with the mouse: the main window shows no focus
// frame, until the user takes the keyboard; then Tab shows it.
TEST_F(KeyboardTest, MouseBothWaysShowsTheFrameFromTheNextTab) {
    click(button("Command3"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(about()));
    click(okButton());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1()));
    EXPECT_FALSE(showsFocusFrame(QApplication::focusWidget()));
    type(Qt::Key_Tab);
    EXPECT_TRUE(showsFocusFrame(QApplication::focusWidget()));
}

} // namespace
} // namespace kelvaro
