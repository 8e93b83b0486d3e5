#pragma once

#include "runtime/event.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// An editable drop-down list. Items carry a 32-bit item datum. The text area
// shows the start text until the user chooses an item; typing into it
// chooses nothing. ListIndex is -1 until the user chooses.
class ComboBox {
public:
    struct Item {
        std::string text;
        std::int32_t data = 0;
    };

    ComboBox(std::string name, std::string text);

    const std::string& name() const { return name_; }
    const std::string& text() const { return text_; }
    const std::vector<Item>& items() const { return items_; }
    int listIndex() const { return listIndex_; }
    int newIndex() const { return newIndex_; }

    void addItem(std::string text);
    void setItemData(int index, std::int32_t data);
    std::int32_t itemData(int index) const;

    // The user chooses an item: the text area shows it and click is raised,
    // also when the item was chosen already.
    void choose(int index);

    // The user types into the text area: nothing is chosen, no click.
    void editText(std::string_view text);

    Event click;
    // Raised on any change of items, text or selection, for whoever shows it.
    Event changed;

private:
    std::size_t position(int index) const;

    std::string name_;
    std::string text_;
    std::vector<Item> items_;
    int listIndex_ = -1;
    int newIndex_ = -1;
};

} // namespace kelvaro
