#pragma once

#include "calc/form1.h"

#include <cstdint>

namespace kelvaro {

// The click handler of the disc type list: capacity, muxing overhead, the
// slider's longest playing time and which bar set is visible.
class DiscTypeSelection {
public:
    explicit DiscTypeSelection(Form1& form) : form_(form) {}

    void Form1_Combo1_Click();

private:
    // Reads the chosen item's datum afresh, as every guarded step does.
    bool chosen(std::int32_t code) const;
    void showBars(Shape& shown, Shape& hidden, std::int32_t code);

    Form1& form_;
};

} // namespace kelvaro
