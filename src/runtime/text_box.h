#pragma once

#include "runtime/event.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvaro {

// A single-line text box. Texts are UTF-8; the maximum length counts
// characters. Every text that enters the box, written or typed, is cut to
// the maximum length. Change is raised inside the write, and only when the
// text really changes.
class TextBox {
public:
    TextBox(std::string name, std::string text, std::size_t maxLength = 0);

    const std::string& name() const { return name_; }
    const std::string& text() const { return text_; }
    std::size_t maxLength() const { return maxLength_; }

    void setText(std::string_view text);

    // The user types one character at the end; false when the box is full.
    bool typeAtEnd(std::string_view character);

    // The user deletes the last character; false when the box is empty.
    bool backspace();

    Event change;

private:
    std::string name_;
    std::string text_;
    std::size_t maxLength_;
};

// Counting and cutting UTF-8 texts by characters.
std::size_t characterCount(std::string_view text);
std::string_view firstCharacters(std::string_view text, std::size_t count);

} // namespace kelvaro
