#include "handlers/disc_type_selection.h"

#include "calc/disc_type.h"

#include <cstddef>
#include <optional>
#include <string>

namespace kelvaro {

namespace {

constexpr const char* kStandardOverhead = "80";

} // namespace

void DiscTypeSelection::Form1_Combo1_Click() {
    auto& f = form_;
    const ComboBox& list = f.discType;
    const std::optional<std::size_t> disc = discTypeOf(list.itemData(list.listIndex()));
    if (!disc) {
        // A datum of no disc type leaves the capacity empty.
        f.capacityKb.setText("");
        return;
    }
    const DiscType& chosen = kDiscTypes[*disc];
    f.capacityKb.setText(std::to_string(chosen.capacityKb));
    f.overheadMb.setText(kStandardOverhead);
    f.minutesSlider.setMax(chosen.longestMinutes);
    f.showBarSet(*disc);
}

} // namespace kelvaro
