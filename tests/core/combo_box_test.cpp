#include "runtime/combo_box.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kelvaro {
namespace {

// Choosing, editing and the items' data are met in every random session
// (tests/random_sessions) through the three lists; an index beyond the items,
// which no list of the windows offers, only here.
TEST(ComboBox, RefusesAnIndexBeyondItsItems) {
    ComboBox list{"Combo2", "128 kbps"};
    list.addItem("None");
    list.addItem("96 kbps");
    EXPECT_THROW(list.choose(2), std::out_of_range);
    EXPECT_THROW(list.choose(-1), std::out_of_range);
    EXPECT_THROW(list.setItemData(2, 1), std::out_of_range);
    EXPECT_EQ(list.text(), "128 kbps");
}

} // namespace
} // namespace kelvaro
