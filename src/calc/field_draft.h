#pragma once

#include "runtime/label.h"
#include "runtime/number_format.h"
#include "runtime/shape.h"
#include "runtime/text_box.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// Thrown when a value on the way cannot be written as the field would hold it.
class CalculationFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The writes of one calculation, held back until all of them succeeded.
// Reads see the texts written so far, exactly as the fields would hold them
// (cut to their maximum length), so every step computes with the written
// text, not with the unrounded value.
class FieldDraft {
public:
    explicit FieldDraft(const NumberFormat& numbers) : numbers_(numbers) {}

    double number(const TextBox& box) const;
    double number(const Label& label) const;

    void write(TextBox& box, double value);
    void writeText(TextBox& box, std::string_view text);
    void write(Label& label, double value);
    void writeCaption(Label& label, std::string_view caption);
    void write(Shape& shape, double width);

    // Writes every drafted value into its control, in the order first written.
    void commit() const;

private:
    struct Entry {
        const void* control = nullptr;
        TextBox* box = nullptr;
        Label* label = nullptr;
        Shape* shape = nullptr;
        std::string text;
        double width = 0.0;
    };

    Entry& entryFor(const void* control);
    const Entry* find(const void* control) const;
    double read(const std::string& name, std::string_view text) const;
    std::string textOf(double value) const;

    const NumberFormat& numbers_;
    std::vector<Entry> entries_;
};

} // namespace kelvaro
