#pragma once

#include "runtime/event.h"

#include <string>
#include <string_view>

namespace kelvaro {

// A label whose caption the program writes; changed is raised when the
// caption really changes, for whoever shows it.
class Label {
public:
    Label(std::string name, std::string caption);

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string_view caption);

    Event changed;

private:
    std::string name_;
    std::string caption_;
};

} // namespace kelvaro
