#include "accessibility/invalid_entry_state.h"

#include "accessibility/invalid_entry_bridge.h"

namespace kelvaro {

void setInvalidEntryState(QWidget& widget, bool invalid) {
    InvalidEntryBridge::instance().setInvalid(widget, invalid);
}

} // namespace kelvaro
