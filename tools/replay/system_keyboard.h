#pragma once

#include <string>

struct _XDisplay;

namespace kelvaro {

// The window system's own keyboard on the X display that DISPLAY names,
// pressed through the X server's test extension, as xdotool presses it: the
// keys go to the window with the X keyboard focus (a nested compositor's
// window, which hands them on to its own client as a user's keys). Pressed
// from within the process, each key costs a message to the X server, no
// program started.
class SystemKeyboard {
public:
    // Throws std::runtime_error when there is no display or it lacks the
    // extension.
    SystemKeyboard();
    ~SystemKeyboard();
    SystemKeyboard(const SystemKeyboard&) = delete;
    SystemKeyboard& operator=(const SystemKeyboard&) = delete;

    // Presses (down) or lets go of KEYS, X key names joined by "+"
    // ("Alt_L+Down"), pressed in that order and let go in the reverse one,
    // and returns once the X server has them.
    void press(const std::string& keys, bool down);

private:
    unsigned int keycode(const std::string& name) const;

    _XDisplay* display_;
};

} // namespace kelvaro
