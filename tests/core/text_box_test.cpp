#include "runtime/text_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

// Writes from code (cut to the maximum length, a change only on a real
// change, raised inside the write), typing into the boxes without a maximum
// and typing again after a backspace are checked in every random session
// (tests/random_sessions) and by the golden scripts.

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
        KeysRow{"fills_then_refuses", 3, "1", {"2", "0", "5"}, "120", {true, true, false}},
        KeysRow{"umlaut_is_one_character", 3, "ab", {"\xC3\xA4", "x"}, "ab\xC3\xA4", {true, false}},
        KeysRow{"backspace_beyond_empty", 5, "12", {"\b", "\b", "\b"}, "", {true, true, false}},
        KeysRow{"umlaut_removed_whole", 5, "a\xC3\xA4", {"\b"}, "a", {true}},
        KeysRow{"euro_removed_whole", 5, "\xE2\x82\xAC", {"\b"}, "", {true}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvaro
