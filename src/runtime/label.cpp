#include "runtime/label.h"

#include <utility>

namespace kelvaro {

Label::Label(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

void Label::setCaption(std::string_view caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = std::string(caption);
    changed.raise();
}

} // namespace kelvaro
