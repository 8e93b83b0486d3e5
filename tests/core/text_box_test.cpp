#include "runtime/text_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

// A write from code: cut to the maximum length, change only on real change.
struct WriteRow {
    const char* name;
    std::size_t maxLength;
    const char* start;
    const char* written;
    const char* held;
    int changes;
};

class TextBoxWrite : public ::testing::TestWithParam<WriteRow> {};

TEST_P(TextBoxWrite, CutsAndRaisesChangeOnlyOnRealChange) {
    const WriteRow& row = GetParam();
    TextBox box("Box", row.start, row.maxLength);
    int changes = 0;
    box.change.connect([&] { ++changes; });
    box.setText(row.written);
    EXPECT_EQ(box.text(), row.held);
    EXPECT_EQ(changes, row.changes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextBoxWrite,
    ::testing::Values(
        WriteRow{"new_text", 0, "0", "100", "100", 1},
        WriteRow{"same_text", 0, "80", "80", "80", 0}, WriteRow{"emptied", 3, "120", "", "", 1},
        WriteRow{"no_limit_keeps_all", 0, "", "4824,46222222222", "4824,46222222222", 1},
        WriteRow{"cut_leaves_dangling_separator", 5, "", "4824,46222222222", "4824,", 1},
        WriteRow{"cut_counts_minus_sign", 5, "", "-11284,7", "-1128", 1},
        WriteRow{"fits_exactly", 5, "", "9704", "9704", 1},
        WriteRow{"cut_equal_to_held_is_no_change", 5, "4824,", "4824,9", "4824,", 0},
        WriteRow{"three_characters", 3, "120", "1234", "123", 1},
        WriteRow{"umlauts_count_as_characters", 3, "", "\xC3\xA4\xC3\xB6\xC3\xBC",
                 "\xC3\xA4\xC3\xB6\xC3\xBC", 1},
        WriteRow{"umlaut_never_split", 3, "", "ab\xC3\xA4\xC3\xB6", "ab\xC3\xA4", 1},
        WriteRow{"three_byte_character_kept_whole", 2, "", "\xE2\x82\xAC\xE2\x82\xACx",
                 "\xE2\x82\xAC\xE2\x82\xAC", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextBox, ChangeRunsInsideTheWriteWithTheNewText) {
    TextBox box("Text3", "0");
    std::vector<std::string> seen;
    bool returned = false;
    box.change.connect([&] {
        seen.push_back(box.text());
        EXPECT_FALSE(returned);
    });
    box.setText("12");
    returned = true;
    EXPECT_EQ(seen, (std::vector<std::string>{"12"}));
}

// Keys pressed one at a time at the end of the text ("\b" is backspace): a
// character beyond the maximum and a backspace in an empty box are refused,
// every accepted key changes the text once.
struct KeysRow {
    const char* name;
    std::size_t maxLength;
    const char* start;
    std::vector<std::string> keys;
    const char* held;
    std::vector<bool> accepted;
};

class TextBoxKeys : public ::testing::TestWithParam<KeysRow> {};

TEST_P(TextBoxKeys, TypeAndDeleteWholeCharactersWithinTheMaximum) {
    const KeysRow& row = GetParam();
    TextBox box("Box", row.start, row.maxLength);
    int changes = 0;
    box.change.connect([&] { ++changes; });
    std::vector<bool> accepted;
    for (const std::string& key : row.keys) {
        accepted.push_back(key == "\b" ? box.backspace() : box.typeAtEnd(key));
    }
    EXPECT_EQ(box.text(), row.held);
    EXPECT_EQ(accepted, row.accepted);
    EXPECT_EQ(changes, static_cast<int>(std::count(accepted.begin(), accepted.end(), true)));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextBoxKeys,
    ::testing::Values(
        KeysRow{"full_box_refuses", 3, "120", {"5"}, "120", {false}},
        KeysRow{"fills_then_refuses", 3, "1", {"2", "0", "5"}, "120", {true, true, false}},
        KeysRow{"umlaut_is_one_character", 3, "ab", {"\xC3\xA4", "x"}, "ab\xC3\xA4", {true, false}},
        KeysRow{
            "no_limit_takes_all", 0, "", {"1", "2", "3", "4"}, "1234", {true, true, true, true}},
        KeysRow{"backspace_beyond_empty", 5, "12", {"\b", "\b", "\b"}, "", {true, true, false}},
        KeysRow{"umlaut_removed_whole", 5, "a\xC3\xA4", {"\b"}, "a", {true}},
        KeysRow{"euro_removed_whole", 5, "\xE2\x82\xAC", {"\b"}, "", {true}},
        KeysRow{"backspace_frees_room", 3, "120", {"\b", "5"}, "125", {true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvaro
