#pragma once

#include "runtime/label.h"
#include "runtime/number_format.h"
#include "runtime/shape.h"
#include "runtime/text_box.h"

#include <optional>
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
    explicit FieldDraft(const NumberFormat& numbers) : numbers_(numbers) {
        controls_.reserve(kExpectedControls);
        entries_.reserve(kExpectedControls);
    }

    // The field's number; nothing when its text is no number.
    std::optional<double> tryNumber(const TextBox& box);
    // The field's number; throws CalculationFailure when its text is none.
    double number(const TextBox& box);
    double number(const Label& label);

    void write(TextBox& box, double value);
    void writeText(TextBox& box, std::string_view text);
    void write(Label& label, double value);
    void writeCaption(Label& label, std::string_view caption);
    void write(Shape& shape, double width);

    // Writes every drafted value into its control, in the order first written.
    void commit() const;

private:
    // A control the calculation read or wrote. Each text is read as a
    // number once: the fields do not change while the calculation runs.
    static constexpr std::size_t kExpectedControls = 32;

    struct Entry {
        TextBox* box = nullptr;
        Label* label = nullptr;
        Shape* shape = nullptr;
        std::string text;
        double width = 0.0;
        bool read = false;
        std::optional<double> number;
    };

    Entry& entryFor(const void* control);
    const std::optional<double>& cachedNumber(const void* control, std::string_view text);
    double requireNumber(const void* control, const std::string& name, std::string_view text);
    std::string textOf(double value) const;

    const NumberFormat& numbers_;
    std::vector<const void*> controls_; // in the order first touched
    std::vector<Entry> entries_;        // one for each of controls_
};

} // namespace kelvaro
