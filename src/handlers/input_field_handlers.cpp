#include "handlers/input_field_handlers.h"

#include <optional>

namespace kelvaro {

void InputFieldHandlers::Form1_Text1_Change() {
    auto& f = form_;
    if (f.Text1.text().empty()) {
        f.Text1.setText(NumberFormat::toText(std::int16_t{1}));
    }
    const std::optional<std::int16_t> minutes = f.numbers.toInt16(f.Text1.text());
    if (!minutes) {
        f.reports.report(Report{{f.Text1.name()}, ReportReason::NotAWholeNumber});
        return;
    }
    if (!f.HScroll1.accepts(*minutes)) {
        f.reports.report(Report{{f.Text1.name()}, ReportReason::OutOfRange});
        return;
    }
    f.reports.clear(f.Text1.name());
    f.HScroll1.setValue(*minutes);
}

void InputFieldHandlers::clearMarkWhenNumber(const TextBox& field) {
    if (form_.reports.isMarked(field.name()) && form_.numbers.toDouble(field.text())) {
        form_.reports.clear(field.name());
    }
}

} // namespace kelvaro
