#pragma once

#include "calc/form1.h"

namespace kelvaro {

// The change handlers of the input fields. Only the playing time has an
// effect: an emptied field becomes "1", and the slider follows the text.
class InputFieldHandlers {
public:
    explicit InputFieldHandlers(Form1& form) : form_(form) {}

    void Form1_Text1_Change();
    // Extras, subtitles and overhead: an emptied field stays empty and the
    // next calculation reports it. The capacity's handler does nothing.
    void Form1_Text3_Change() {}
    void Form1_Text10_Change() {}
    void Form1_Text14_Change() {}
    void Form1_Text17_Change() {}

    // A field marked as bad loses its mark once it holds a number again.
    void clearMarkWhenNumber(const TextBox& field);

private:
    Form1& form_;
};

} // namespace kelvaro
