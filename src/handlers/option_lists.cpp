#include "handlers/option_lists.h"

#include <array>

namespace kelvaro {

namespace {

constexpr std::array<OptionLists::Option, 2> kDiscTypes{{
    {"4,7 GB   DVD", 1},
    {"8,5 GB   DVD", 8},
}};

constexpr std::array<OptionLists::Option, 12> kAudioBitrates{{
    {"None", 0},
    {"96 kbps", 1},
    {"112 kbps", 2},
    {"128 kbps", 3},
    {"160 kbps", 4},
    {"192 kbps", 5},
    {"224 kbps", 6},
    {"256 kbps", 7},
    {"320 kbps", 8},
    {"384 kbps", 9},
    {"448 kbps", 10},
    {"1536 kbps", 11},
}};

} // namespace

std::span<const OptionLists::Option> OptionLists::discTypes() {
    return kDiscTypes;
}

std::span<const OptionLists::Option> OptionLists::audioBitrates() {
    return kAudioBitrates;
}

void OptionLists::fill(Form1& form) {
    fill(form.discType, kDiscTypes);
    fill(form.audio1.bitrate, kAudioBitrates);
    fill(form.audio2.bitrate, kAudioBitrates);
}

void OptionLists::fill(ComboBox& list, std::span<const Option> options) {
    for (const Option& option : options) {
        list.addItem(option.text);
        list.setItemData(list.newIndex(), option.data);
    }
}

} // namespace kelvaro
