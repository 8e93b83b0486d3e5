#include "runtime/window.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(Window, CreatedOnFirstShowThenOnlyHidden) {
    Window about("About");
    EXPECT_FALSE(about.loaded());
    EXPECT_FALSE(about.visible());
    about.setVisible(true);
    EXPECT_TRUE(about.loaded());
    EXPECT_TRUE(about.visible());
    about.setVisible(false);
    EXPECT_TRUE(about.loaded()); // kept with its controls
    EXPECT_FALSE(about.visible());
}

TEST(Window, HidingAWindowNotYetCreatedCreatesIt) {
    Window about("About");
    about.setVisible(false);
    EXPECT_TRUE(about.loaded());
    EXPECT_FALSE(about.visible());
}

TEST(Window, LoadedWindowIsHiddenUntilShown) {
    Window form("Form1", true);
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.visible());
    form.setVisible(true);
    EXPECT_TRUE(form.visible());
}

TEST(Window, UnloadHidesAndRemoves) {
    Window form("Form1", true);
    form.setVisible(true);
    int changes = 0;
    form.changed.connect([&] { ++changes; });
    form.unload();
    form.unload();
    EXPECT_FALSE(form.loaded());
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace kelvaro
