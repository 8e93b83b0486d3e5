// Neither window can be maximised or made full-screen: whoever asks, a title
// bar's button, a shortcut or the window system, the window stays shown at
// its client size of 578 x 264 pixels with its values, its focus and the
// focus frame, and the program goes on.
#include "gui_fixture.h"

#include <QWindow>

#include <tuple>

namespace kelvaro {
namespace {

enum class Which { Form1, About };

class WindowStateTest : public GuiFixture,
                        public ::testing::WithParamInterface<std::tuple<Which, Qt::WindowState>> {
protected:
    QWidget* window() {
        if (std::get<0>(GetParam()) == Which::Form1) {
            return form1();
        }
        click(control<QPushButton>("Command3"));
        return about();
    }
};

TEST_P(WindowStateTest, TheWindowKeepsItsSize) {
    QWidget* shown = window();
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(shown->isVisible());
    QWidget* focus = shown->focusWidget();
    const bool aboutShown = std::get<0>(GetParam()) == Which::About;
    // One who works with the keyboard sees the focus frame, and keeps it.
    shown->setAttribute(Qt::WA_KeyboardFocusChange);

    // What a title bar's maximise button does.
    shown->windowHandle()->setWindowStates(std::get<1>(GetParam()));
    settle();
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen),
              Qt::WindowNoState);
    EXPECT_EQ(shown->size(), QSize(578, 264));
    EXPECT_EQ(shown->focusWidget(), focus);
    EXPECT_TRUE(shown->testAttribute(Qt::WA_KeyboardFocusChange));
    EXPECT_EQ(form1()->isVisible(), !aboutShown);
    EXPECT_EQ(program_.form.window.visible(), !aboutShown);
    EXPECT_FALSE(program_.lifeCycle.ended());

    // Asked through the widget, as an application would.
    shown->setWindowState(std::get<1>(GetParam()));
    settle();
    EXPECT_TRUE(shown->isVisible());
    EXPECT_FALSE(shown->isMaximized() || shown->isFullScreen());
    EXPECT_EQ(shown->size(), QSize(578, 264));
    EXPECT_EQ(shown->focusWidget(), focus);
    EXPECT_TRUE(shown->testAttribute(Qt::WA_KeyboardFocusChange));
}

INSTANTIATE_TEST_SUITE_P(BothWindows, WindowStateTest,
                         ::testing::Combine(::testing::Values(Which::Form1, Which::About),
                                            ::testing::Values(Qt::WindowMaximized,
                                                              Qt::WindowFullScreen)));

} // namespace
} // namespace kelvaro
