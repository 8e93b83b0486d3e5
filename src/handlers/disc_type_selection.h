#pragma once

#include "calc/form1.h"

namespace kelvaro {

// The click handler of the disc type list: capacity, muxing overhead, the
// slider's longest playing time and which bar set is visible.
class DiscTypeSelection {
public:
    explicit DiscTypeSelection(Form1& form) : form_(form) {}

    void Form1_Combo1_Click();

private:
    Form1& form_;
};

} // namespace kelvaro
