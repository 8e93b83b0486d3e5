#include "runtime/combo_box.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace kelvaro {
namespace {

// Filled like the audio lists: the start text stays until the user chooses.
TEST(ComboBox, OnlyChoosingAnItemRaisesClickAlsoForTheSameItem) {
    ComboBox list{"Combo2", "128 kbps"};
    for (const char* text : {"None", "96 kbps", "112 kbps"}) {
        list.addItem(text);
        list.setItemData(list.newIndex(), 10 * list.newIndex());
    }
    std::vector<int> indexAtClick;
    list.click.connect([&] { indexAtClick.push_back(list.listIndex()); });
    EXPECT_EQ(list.newIndex(), 2);
    EXPECT_EQ(list.itemData(2), 20);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "128 kbps");

    list.editText("None"); // even the text of an item chooses nothing
    EXPECT_EQ(list.text(), "None");
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_THROW(list.choose(3), std::out_of_range);
    EXPECT_THROW(list.choose(-1), std::out_of_range);
    EXPECT_THROW(list.setItemData(3, 1), std::out_of_range);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_TRUE(indexAtClick.empty());

    list.choose(1);
    EXPECT_EQ(list.text(), "96 kbps");
    list.editText("112 kbps");
    EXPECT_EQ(list.listIndex(), 1);
    list.choose(1);
    EXPECT_EQ(indexAtClick, (std::vector<int>{1, 1}));
}

} // namespace
} // namespace kelvaro
