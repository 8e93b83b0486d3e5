#include "system_keyboard.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace kelvaro {

SystemKeyboard::SystemKeyboard() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) {
        throw std::runtime_error("no X display to press keys on (DISPLAY)");
    }
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (XTestQueryExtension(display_, &event, &error, &major, &minor) == 0) {
        XCloseDisplay(display_);
        throw std::runtime_error("the X display has no test extension (XTEST)");
    }
}

SystemKeyboard::~SystemKeyboard() {
    XCloseDisplay(display_);
}

unsigned int SystemKeyboard::keycode(const std::string& name) const {
    const KeySym symbol = XStringToKeysym(name.c_str());
    const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display_, symbol);
    if (code == 0) {
        throw std::runtime_error("no key " + name + " on the X keyboard");
    }
    return code;
}

void SystemKeyboard::press(const std::string& keys, bool down) {
    std::istringstream names(keys);
    std::vector<unsigned int> codes;
    for (std::string name; std::getline(names, name, '+');) {
        codes.push_back(keycode(name));
    }
    // Let go in the reverse order, as a hand does.
    if (!down) {
        std::reverse(codes.begin(), codes.end());
    }
    for (const unsigned int code : codes) {
        XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
    }
    XSync(display_, False);
}

} // namespace kelvaro
