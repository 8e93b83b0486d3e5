#include "handlers/option_lists.h"

#include "calc/audio_bitrate.h"

#include <array>

namespace kelvaro {

namespace {

constexpr std::array<OptionLists::Option, 2> kDiscTypes{{
    {"4,7 GB   DVD", 1},
    {"8,5 GB   DVD", 8},
}};

template <typename Row, std::size_t N>
void fillList(ComboBox& list, const std::array<Row, N>& rows, auto text, auto datum) {
    for (const Row& row : rows) {
        list.addItem(row.*text);
        list.setItemData(list.newIndex(), row.*datum);
    }
}

} // namespace

std::span<const OptionLists::Option> OptionLists::discTypes() {
    return kDiscTypes;
}

void OptionLists::fill(Form1& form) {
    fillList(form.discType, kDiscTypes, &Option::text, &Option::data);
    fillList(form.audio1.bitrate, kAudioBitrates, &AudioBitrate::item, &AudioBitrate::datum);
    fillList(form.audio2.bitrate, kAudioBitrates, &AudioBitrate::item, &AudioBitrate::datum);
}

} // namespace kelvaro
