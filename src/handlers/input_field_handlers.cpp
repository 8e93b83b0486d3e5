#include "handlers/input_field_handlers.h"

#include <optional>

namespace kelvaro {

void InputFieldHandlers::Form1_Text1_Change() {
    auto& f = form_;
    if (f.minutes.text().empty()) {
        f.minutes.setText(NumberFormat::toText(std::int16_t{1}));
    }
    const std::optional<std::int16_t> wholeMinutes = f.numbers.toInt16(f.minutes.text());
    if (!wholeMinutes) {
        f.reports.report(Report{{f.minutes.name()}, ReportReason::NotAWholeNumber});
        return;
    }
    if (!f.minutesSlider.accepts(*wholeMinutes)) {
        f.reports.report(Report{{f.minutes.name()}, ReportReason::OutOfRange});
        return;
    }
    f.reports.clear(f.minutes.name());
    f.minutesSlider.setValue(*wholeMinutes);
}

void InputFieldHandlers::clearMarkWhenNumber(const TextBox& field) {
    if (form_.reports.isMarked(field.name()) && form_.numbers.toDouble(field.text())) {
        form_.reports.clear(field.name());
    }
}

} // namespace kelvaro
