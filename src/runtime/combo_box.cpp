#include "runtime/combo_box.h"

#include <stdexcept>
#include <utility>

namespace kelvaro {

ComboBox::ComboBox(std::string name, std::string text)
    : name_(std::move(name)), text_(std::move(text)) {}

void ComboBox::addItem(std::string text) {
    items_.push_back(Item{std::move(text), 0});
    newIndex_ = static_cast<int>(items_.size()) - 1;
    changed.raise();
}

std::size_t ComboBox::position(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        throw std::out_of_range(name_ + ": no item " + std::to_string(index));
    }
    return static_cast<std::size_t>(index);
}

void ComboBox::setItemData(int index, std::int32_t data) {
    items_[position(index)].data = data;
}

std::int32_t ComboBox::itemData(int index) const {
    return items_[position(index)].data;
}

void ComboBox::choose(int index) {
    text_ = items_[position(index)].text;
    listIndex_ = index;
    changed.raise();
    click.raise();
}

void ComboBox::editText(std::string_view text) {
    if (text == text_) {
        return;
    }
    text_ = std::string(text);
    changed.raise();
}

} // namespace kelvaro
