#pragma once

#include "calc/form1.h"

namespace kelvaro {

// The click handlers of the two audio lists: the chosen bitrate's data rate
// of one track, in KB per second, goes into the list's rate field.
class AudioTrackSelection {
public:
    explicit AudioTrackSelection(Form1& form) : form_(form) {}

    void Form1_Combo2_Click() { writeRate(form_.audio1.bitrate, form_.audio1.kbPerSecond); }
    void Form1_Combo3_Click() { writeRate(form_.audio2.bitrate, form_.audio2.kbPerSecond); }

private:
    void writeRate(const ComboBox& list, TextBox& rate);

    Form1& form_;
};

} // namespace kelvaro
