#pragma once

#include "runtime/event.h"

#include <string>

namespace kelvaro {

// A window that exists once per run: created on first show, afterwards only
// hidden and shown again.
class Window {
public:
    explicit Window(std::string name, bool loaded = false);

    const std::string& name() const { return name_; }
    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }

    void setVisible(bool visible);
    // Unloads the window: hidden and gone until shown again.
    void unload();

    Event changed;

private:
    std::string name_;
    bool loaded_;
    bool visible_ = false;
};

} // namespace kelvaro
