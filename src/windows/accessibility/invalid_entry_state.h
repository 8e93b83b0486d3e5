#pragma once

class QWidget;

namespace kelvaro {

// Tells screen readers that a field holds an invalid entry, or no longer
// does, where the platform's accessibility has a way to say it. The field's
// description carries the message on every platform.
void setInvalidEntryState(QWidget& widget, bool invalid);

} // namespace kelvaro
