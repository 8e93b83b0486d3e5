#include "runtime/window.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// A window is created by its first show or hide and then kept, only hidden,
// until it is unloaded; each real change is raised once.
TEST(Window, CreatedOnFirstShowOrHideKeptUntilUnloaded) {
    for (const bool firstShown : {true, false}) {
        Window about("About");
        int changes = 0;
        about.changed.connect([&] { ++changes; });
        EXPECT_FALSE(about.loaded());
        about.setVisible(firstShown);
        EXPECT_TRUE(about.loaded());
        EXPECT_EQ(about.visible(), firstShown);
        about.setVisible(false);
        about.setVisible(false);
        EXPECT_TRUE(about.loaded()); // kept with its controls
        EXPECT_FALSE(about.visible());
        about.unload();
        about.unload();
        EXPECT_FALSE(about.loaded());
        EXPECT_FALSE(about.visible());
        EXPECT_EQ(changes, firstShown ? 3 : 2);
    }
    Window form("Form1", true);
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.visible());
}

} // namespace
} // namespace kelvaro
