#include "runtime/combo_box.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace kelvaro {
namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    ComboBoxTest() {
        for (const char* text : {"None", "96 kbps", "112 kbps"}) {
            list.addItem(text);
            newIndexes.push_back(list.newIndex());
            list.setItemData(list.newIndex(), 10 * list.newIndex());
        }
        list.click.connect([this] {
            ++clicks;
            indexAtClick = list.listIndex();
        });
    }

    ComboBox list{"Combo2", "128 kbps"};
    std::vector<int> newIndexes;
    int clicks = 0;
    int indexAtClick = -2;
};

TEST_F(ComboBoxTest, FillingChoosesNothing) {
    EXPECT_EQ(newIndexes, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "128 kbps");
    EXPECT_EQ(list.itemData(2), 20);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ComboBoxTest, ChoosingShowsTheItemAndRaisesClick) {
    list.choose(1);
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(list.text(), "96 kbps");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(indexAtClick, 1);
}

TEST_F(ComboBoxTest, ChoosingTheSameItemAgainRaisesClickAgain) {
    list.choose(2);
    list.choose(2);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ComboBoxTest, EditingTheTextChoosesNothing) {
    list.editText("999 kbps");
    EXPECT_EQ(list.text(), "999 kbps");
    list.editText("None"); // even the text of an item
    EXPECT_EQ(list.listIndex(), -1);
    list.choose(1);
    list.editText("112 kbps");
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ComboBoxTest, NoSuchItemIsRefused) {
    EXPECT_THROW(list.choose(3), std::out_of_range);
    EXPECT_THROW(list.choose(-1), std::out_of_range);
    EXPECT_THROW(list.itemData(-1), std::out_of_range);
    EXPECT_THROW(list.setItemData(3, 1), std::out_of_range);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(clicks, 0);
}

} // namespace
} // namespace kelvaro
