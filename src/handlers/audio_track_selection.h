#pragma once

#include "calc/audio_track.h"

namespace kelvaro {

// The click handler of an audio track's list: the chosen bitrate's data rate
// of one track, in KB per second, goes into the track's rate field. Each
// track has its own.
class AudioTrackSelection {
public:
    explicit AudioTrackSelection(AudioTrack& track) : track_(track) {}

    void bitrateClick();

private:
    AudioTrack& track_;
};

} // namespace kelvaro
