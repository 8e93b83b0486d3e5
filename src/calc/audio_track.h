#pragma once

#include "calc/disc_type.h"
#include "runtime/combo_box.h"
#include "runtime/label.h"
#include "runtime/shape.h"
#include "runtime/text_box.h"

#include <array>

namespace kelvaro {

// The fields of one kind of audio track, all of its tracks having the same
// bitrate. The main window has two kinds, Audio1 and Audio2.
struct AudioTrack {
    // The bitrate of one track, chosen on the list.
    ComboBox bitrate;
    // How many tracks have the bitrate ("X").
    TextBox count;
    // The data rate of one track in KB per second, written by the list (working field).
    TextBox kbPerSecond;
    // The size of all the tracks in KB (working field).
    TextBox sizeKb;
    // The size of all the tracks in MB.
    Label sizeMb;
    // The bars of the size, one for each disc type.
    std::array<Shape, kDiscTypes.size()> bars;
};

} // namespace kelvaro
