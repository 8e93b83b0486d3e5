#include "calc/field_draft.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace kelvaro {

std::optional<double> FieldDraft::tryNumber(const TextBox& box) {
    return cachedNumber(&box, box.text());
}

double FieldDraft::number(const TextBox& box) {
    return requireNumber(&box, box.name(), box.text());
}

double FieldDraft::number(const Label& label) {
    return requireNumber(&label, label.name(), label.caption());
}

double FieldDraft::requireNumber(const void* control, const std::string& name,
                                 std::string_view current) {
    const std::optional<double>& number = cachedNumber(control, current);
    if (!number) {
        throw CalculationFailure(name + " holds no number");
    }
    return *number;
}

const std::optional<double>& FieldDraft::cachedNumber(const void* control,
                                                      std::string_view current) {
    Entry& entry = entryFor(control);
    if (!entry.read) {
        const bool written = entry.box || entry.label;
        entry.number = numbers_.toDouble(written ? std::string_view(entry.text) : current);
        entry.read = true;
    }
    return entry.number;
}

void FieldDraft::write(TextBox& box, double value) {
    const std::string text = textOf(value);
    // Cutting an exponent form would leave another number, or none.
    if (box.maxLength() > 0 && characterCount(text) > box.maxLength() &&
        text.find('E') != std::string::npos) {
        throw CalculationFailure(box.name() + " cannot hold " + text);
    }
    writeText(box, text);
}

void FieldDraft::writeText(TextBox& box, std::string_view text) {
    Entry& entry = entryFor(&box);
    entry.box = &box;
    entry.text = box.maxLength() > 0 ? firstCharacters(text, box.maxLength()) : text;
    entry.read = false;
}

void FieldDraft::write(Label& label, double value) {
    writeCaption(label, textOf(value));
}

void FieldDraft::writeCaption(Label& label, std::string_view caption) {
    Entry& entry = entryFor(&label);
    entry.label = &label;
    entry.text = caption;
    entry.read = false;
}

void FieldDraft::write(Shape& shape, double width) {
    if (!std::isfinite(width)) {
        throw CalculationFailure(shape.name() + " width is not finite");
    }
    // The width is held in single precision: a wider bar cannot be drawn.
    if (width > std::numeric_limits<float>::max()) {
        throw CalculationFailure(shape.name() + " width is beyond single precision");
    }
    Entry& entry = entryFor(&shape);
    entry.shape = &shape;
    entry.width = width;
}

void FieldDraft::commit() const {
    for (const Entry& entry : entries_) {
        if (entry.box) {
            entry.box->setText(entry.text);
        } else if (entry.label) {
            entry.label->setCaption(entry.text);
        } else if (entry.shape) {
            entry.shape->setWidth(entry.width);
        }
    }
}

FieldDraft::Entry& FieldDraft::entryFor(const void* control) {
    // Fibonacci hashing of the address, then the next free slot.
    const auto address = reinterpret_cast<std::uintptr_t>(control);
    std::size_t slot =
        static_cast<std::size_t>((address * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits));
    while (slots_[slot].control != nullptr) {
        if (slots_[slot].control == control) {
            return entries_[slots_[slot].entry];
        }
        slot = (slot + 1) & (kSlots - 1);
    }
    if (entries_.size() + 1 >= kSlots) {
        throw std::logic_error("a calculation touches more controls than a draft holds");
    }
    slots_[slot] = Slot{control, entries_.size()};
    return entries_.emplace_back();
}

std::string FieldDraft::textOf(double value) const {
    if (!std::isfinite(value)) {
        throw CalculationFailure("a value is not finite");
    }
    return numbers_.toText(value);
}

} // namespace kelvaro
