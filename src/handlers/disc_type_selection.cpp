#include "handlers/disc_type_selection.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kelvaro {

namespace {

// Item data of the two disc types.
constexpr std::int32_t kSingleLayer = 1;
constexpr std::int32_t kDualLayer = 8;

constexpr std::int32_t kSingleLayerCapacity = 4596736; // KB, 4489 MB
constexpr std::int32_t kDualLayerCapacity = 8347648;   // KB, 8152 MB
constexpr std::int16_t kSingleLayerMinutes = 620;
constexpr std::int16_t kDualLayerMinutes = 960;
constexpr const char* kStandardOverhead = "80";

std::string capacityText(std::optional<std::int32_t> capacity) {
    return capacity ? std::to_string(*capacity) : std::string();
}

} // namespace

bool DiscTypeSelection::chosen(std::int32_t code) const {
    return form_.Combo1.itemData(form_.Combo1.listIndex()) == code;
}

void DiscTypeSelection::showBars(Shape& shown, Shape& hidden, std::int32_t code) {
    if (chosen(code)) {
        shown.setVisible(true);
    }
    if (chosen(code)) {
        hidden.setVisible(false);
    }
}

void DiscTypeSelection::Form1_Combo1_Click() {
    auto& f = form_;
    std::optional<std::int32_t> capacity;
    if (chosen(kSingleLayer)) {
        capacity = kSingleLayerCapacity;
    }
    f.Text10.setText(capacityText(capacity));
    if (chosen(kSingleLayer)) {
        f.Text17.setText(kStandardOverhead);
    }
    if (chosen(kSingleLayer)) {
        f.HScroll1.setMax(kSingleLayerMinutes);
    }
    showBars(f.Shape1, f.Shape6, kSingleLayer);
    showBars(f.Shape2, f.Shape7, kSingleLayer);
    showBars(f.Shape3, f.Shape8, kSingleLayer);
    showBars(f.Shape6, f.Shape1, kDualLayer);
    showBars(f.Shape7, f.Shape2, kDualLayer);
    showBars(f.Shape8, f.Shape3, kDualLayer);
    if (chosen(kDualLayer)) {
        capacity = kDualLayerCapacity;
    }
    f.Text10.setText(capacityText(capacity));
    if (chosen(kDualLayer)) {
        f.Text17.setText(kStandardOverhead);
    }
    if (chosen(kDualLayer)) {
        f.HScroll1.setMax(kDualLayerMinutes);
    }
}

} // namespace kelvaro
