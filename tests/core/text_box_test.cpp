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

TEST(TextBox, StartTextIsCutWithoutChange) {
    TextBox box("Text1", "12345", 3);
    EXPECT_EQ(box.text(), "123");
}

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

// Typing one character at a time at the end of the text.
struct TypingRow {
    const char* name;
    std::size_t maxLength;
    const char* start;
    std::vector<std::string> keys;
    const char* held;
    std::vector<bool> accepted;
};

class TextBoxTyping : public ::testing::TestWithParam<TypingRow> {};

TEST_P(TextBoxTyping, RefusesCharactersBeyondTheMaximum) {
    const TypingRow& row = GetParam();
    TextBox box("Box", row.start, row.maxLength);
    int changes = 0;
    box.change.connect([&] { ++changes; });
    std::vector<bool> accepted;
    for (const std::string& key : row.keys) {
        accepted.push_back(box.typeAtEnd(key));
    }
    EXPECT_EQ(box.text(), row.held);
    EXPECT_EQ(accepted, row.accepted);
    EXPECT_EQ(changes, static_cast<int>(std::count(accepted.begin(), accepted.end(), true)));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextBoxTyping,
    ::testing::Values(
        TypingRow{"full_box_refuses", 3, "120", {"5"}, "120", {false}},
        TypingRow{"fills_then_refuses", 3, "1", {"2", "0", "5"}, "120", {true, true, false}},
        TypingRow{
            "umlaut_is_one_character", 3, "ab", {"\xC3\xA4", "x"}, "ab\xC3\xA4", {true, false}},
        TypingRow{
            "no_limit_takes_all", 0, "", {"1", "2", "3", "4"}, "1234", {true, true, true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BackspaceRow {
    const char* name;
    const char* start;
    int presses;
    const char* held;
    int changes;
};

class TextBoxBackspace : public ::testing::TestWithParam<BackspaceRow> {};

TEST_P(TextBoxBackspace, DeletesWholeCharactersUntilEmpty) {
    const BackspaceRow& row = GetParam();
    TextBox box("Box", row.start, 5);
    int changes = 0;
    box.change.connect([&] { ++changes; });
    for (int i = 0; i < row.presses; ++i) {
        box.backspace();
    }
    EXPECT_EQ(box.text(), row.held);
    EXPECT_EQ(changes, row.changes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextBoxBackspace,
    ::testing::Values(BackspaceRow{"one", "120", 1, "12", 1}, BackspaceRow{"all", "120", 3, "", 3},
                      BackspaceRow{"beyond_empty_does_nothing", "12", 4, "", 2},
                      BackspaceRow{"empty_does_nothing", "", 1, "", 0},
                      BackspaceRow{"umlaut_removed_whole", "a\xC3\xA4", 1, "a", 1},
                      BackspaceRow{"euro_removed_whole", "\xE2\x82\xAC", 1, "", 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvaro
