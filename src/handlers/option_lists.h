#pragma once

#include "calc/form1.h"

#include <cstdint>
#include <span>

namespace kelvaro {

// The items of the three drop-down lists and their item data, filled once
// at start-up, selecting none.
class OptionLists {
public:
    struct Option {
        const char* text;
        std::int32_t data;
    };

    static std::span<const Option> discTypes();

    static void fill(Form1& form);
};

} // namespace kelvaro
