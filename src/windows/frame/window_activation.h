#pragma once

class QWidget;

namespace kelvaro {

// How a window of the program that is shown becomes the active one: it asks
// the desktop once. On Wayland every request is a token that the compositor
// keeps open (GNOME with a busy pointer) until it is used, so none may be
// asked for twice or left unused.
class WindowActivation {
public:
    // Takes the requests over from Qt: Qt 6.4's Wayland client asks for the
    // focus window's activation on every change of the focused control, also
    // in a window that is being hidden, whose request then stays unused.
    static void takeOver();
    // Asks for WINDOW, just shown, to become the active window, unless the
    // platform asks by itself on show (Qt 6.8 and later on Wayland).
    static void request(QWidget& window);
};

} // namespace kelvaro
