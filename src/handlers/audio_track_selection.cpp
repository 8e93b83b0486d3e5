#include "handlers/audio_track_selection.h"

#include "runtime/number_format.h"

#include <array>
#include <cstdint>
#include <string>

namespace kelvaro {

namespace {

// KB per second of one track, by item datum: the listed kbit/s divided by 8.
constexpr std::array<std::int16_t, 12> kRates{0, 12, 14, 16, 20, 24, 28, 32, 40, 48, 56, 192};

} // namespace

void AudioTrackSelection::bitrateClick() {
    const ComboBox& list = track_.bitrate;
    const std::int32_t datum = list.itemData(list.listIndex());
    std::string text; // a datum without a rate leaves the field empty
    if (datum >= 0 && datum < static_cast<std::int32_t>(kRates.size())) {
        text = NumberFormat::toText(kRates[static_cast<std::size_t>(datum)]);
    }
    track_.kbPerSecond.setText(text);
}

} // namespace kelvaro
