#pragma once

#include "runtime/label.h"
#include "runtime/number_format.h"
#include "runtime/shape.h"
#include "runtime/text_box.h"

#include <array>
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
    // Controls are found through a small open-addressing table; a power of
    // two, at least twice as many slots as a form has controls.
    static constexpr int kSlotBits = 6;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;

    struct Entry {
        TextBox* box = nullptr;
        Label* label = nullptr;
        Shape* shape = nullptr;
        std::string text;
        double width = 0.0;
        bool read = false;
        std::optional<double> number;
    };

    struct Slot {
        const void* control = nullptr;
        std::size_t entry = 0;
    };

    Entry& entryFor(const void* control);
    const std::optional<double>& cachedNumber(const void* control, std::string_view text);
    double requireNumber(const void* control, const std::string& name, std::string_view text);
    std::string textOf(double value) const;

    const NumberFormat& numbers_;
    std::vector<Entry> entries_; // in the order first touched
    std::array<Slot, kSlots> slots_{};
};

} // namespace kelvaro
