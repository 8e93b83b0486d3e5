#include "handlers/option_lists.h"

#include "calc/audio_bitrate.h"
#include "calc/disc_type.h"

#include <array>

namespace kelvaro {

namespace {

template <typename Row, std::size_t N>
void fillList(ComboBox& list, const std::array<Row, N>& rows) {
    for (const Row& row : rows) {
        list.addItem(row.item);
        list.setItemData(list.newIndex(), row.datum);
    }
}

} // namespace

void OptionLists::fill(Form1& form) {
    fillList(form.discType, kDiscTypes);
    fillList(form.audio1.bitrate, kAudioBitrates);
    fillList(form.audio2.bitrate, kAudioBitrates);
}

} // namespace kelvaro
