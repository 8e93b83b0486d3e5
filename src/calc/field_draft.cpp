#include "calc/field_draft.h"

#include <cmath>
#include <utility>

namespace kelvaro {

double FieldDraft::number(const TextBox& box) const {
    const Entry* entry = find(&box);
    return read(box.name(), entry ? std::string_view(entry->text) : box.text());
}

double FieldDraft::number(const Label& label) const {
    const Entry* entry = find(&label);
    return read(label.name(), entry ? std::string_view(entry->text) : label.caption());
}

void FieldDraft::write(TextBox& box, double value) {
    const std::string text = textOf(value);
    if (box.maxLength() > 0 && NumberFormat::usesExponentForm(value)) {
        throw CalculationFailure(box.name() + " cannot hold " + text);
    }
    writeText(box, text);
}

void FieldDraft::writeText(TextBox& box, std::string_view text) {
    Entry& entry = entryFor(&box);
    entry.box = &box;
    entry.text = box.maxLength() > 0 ? firstCharacters(text, box.maxLength()) : text;
}

void FieldDraft::write(Label& label, double value) {
    writeCaption(label, textOf(value));
}

void FieldDraft::writeCaption(Label& label, std::string_view caption) {
    Entry& entry = entryFor(&label);
    entry.label = &label;
    entry.text = caption;
}

void FieldDraft::write(Shape& shape, double width) {
    if (!std::isfinite(width)) {
        throw CalculationFailure(shape.name() + " width is not finite");
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
    for (Entry& entry : entries_) {
        if (entry.control == control) {
            return entry;
        }
    }
    Entry entry;
    entry.control = control;
    entries_.push_back(std::move(entry));
    return entries_.back();
}

const FieldDraft::Entry* FieldDraft::find(const void* control) const {
    for (const Entry& entry : entries_) {
        if (entry.control == control) {
            return &entry;
        }
    }
    return nullptr;
}

double FieldDraft::read(const std::string& name, std::string_view text) const {
    std::optional<double> value = numbers_.toDouble(text);
    if (!value) {
        throw CalculationFailure(name + " holds no number");
    }
    return *value;
}

std::string FieldDraft::textOf(double value) const {
    if (!std::isfinite(value)) {
        throw CalculationFailure("a value is not finite");
    }
    return numbers_.toText(value);
}

} // namespace kelvaro
