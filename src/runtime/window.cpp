#include "runtime/window.h"

#include <utility>

namespace kelvaro {

Window::Window(std::string name, bool loaded) : name_(std::move(name)), loaded_(loaded) {}

void Window::setVisible(bool visible) {
    if (visible == visible_ && loaded_) {
        return;
    }
    loaded_ = true;
    visible_ = visible;
    changed.raise();
}

void Window::unload() {
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    visible_ = false;
    changed.raise();
}

} // namespace kelvaro
