#pragma once

class QComboBox;

namespace kelvaro {

// User actions on the real widgets that both the replay tool and the window
// tests perform the same way.
class UserInput {
public:
    // Lets the windows take in what an action caused before the next one.
    static void settle();

    // Opens the list and clicks the item in its popup, as with the mouse.
    static void chooseFromPopup(QComboBox* combo, int index);
};

} // namespace kelvaro
