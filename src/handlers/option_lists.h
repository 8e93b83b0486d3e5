#pragma once

#include "calc/form1.h"

namespace kelvaro {

// The items of the three drop-down lists and their item data, filled once
// at start-up, selecting none.
class OptionLists {
public:
    static void fill(Form1& form);
};

} // namespace kelvaro
