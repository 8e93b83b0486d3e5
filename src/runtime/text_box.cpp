#include "runtime/text_box.h"

#include "runtime/continuation_byte.h"

#include <utility>

namespace kelvaro {

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        count += isContinuationByte(c) ? 0 : 1;
    }
    return count;
}

std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuationByte(text[i]) && seen++ == count) {
            return text.substr(0, i);
        }
    }
    return text;
}

TextBox::TextBox(std::string name, std::string text, std::size_t maxLength)
    : name_(std::move(name)), text_(std::move(text)), maxLength_(maxLength) {
    if (maxLength_ > 0) {
        text_ = std::string(firstCharacters(text_, maxLength_));
    }
}

void TextBox::setText(std::string_view text) {
    if (maxLength_ > 0) {
        text = firstCharacters(text, maxLength_);
    }
    if (text == text_) {
        return;
    }
    text_ = std::string(text);
    change.raise();
}

bool TextBox::typeAtEnd(std::string_view character) {
    if (maxLength_ > 0 && characterCount(text_) >= maxLength_) {
        return false;
    }
    setText(text_ + std::string(character));
    return true;
}

bool TextBox::backspace() {
    if (text_.empty()) {
        return false;
    }
    std::size_t end = text_.size() - 1;
    while (end > 0 && isContinuationByte(text_[end])) {
        --end;
    }
    setText(std::string_view(text_).substr(0, end));
    return true;
}

} // namespace kelvaro
