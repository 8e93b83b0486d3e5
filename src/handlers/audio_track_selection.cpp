#include "handlers/audio_track_selection.h"

#include "calc/audio_bitrate.h"
#include "runtime/number_format.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kelvaro {

void AudioTrackSelection::bitrateClick() {
    const ComboBox& list = track_.bitrate;
    const std::optional<std::int16_t> rate = audioRateOf(list.itemData(list.listIndex()));
    // A datum without a rate leaves the field empty.
    track_.kbPerSecond.setText(rate ? NumberFormat::toText(*rate) : std::string());
}

} // namespace kelvaro
