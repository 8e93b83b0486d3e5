#include "accessibility/reader_marks.h"

#include "accessibility/invalid_entry_state.h"

#include <algorithm>

namespace kelvaro {

void ReaderMarks::show(const std::vector<Mark>& marks) {
    unmarkAllBut(marks);
    for (const Mark& mark : marks) {
        const bool known = std::any_of(shown_.begin(), shown_.end(), [&](const Shown& shown) {
            return shown.widget == mark.widget;
        });
        if (!known) {
            shown_.push_back({mark.widget, mark.widget->accessibleDescription()});
        }
        if (mark.widget->accessibleDescription() != mark.message) {
            mark.widget->setAccessibleDescription(mark.message);
        }
        setInvalidEntryState(*mark.widget, true);
    }
}

void ReaderMarks::unmarkAllBut(const std::vector<Mark>& marks) {
    std::erase_if(shown_, [&](const Shown& shown) {
        const bool kept = std::any_of(marks.begin(), marks.end(), [&](const Mark& mark) {
            return mark.widget == shown.widget;
        });
        if (kept) {
            return false;
        }
        if (!shown.widget.isNull()) {
            shown.widget->setAccessibleDescription(shown.description);
            setInvalidEntryState(*shown.widget, false);
        }
        return true;
    });
}

} // namespace kelvaro
