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
    return form_.discType.itemData(form_.discType.listIndex()) == code;
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
    f.capacityKb.setText(capacityText(capacity));
    if (chosen(kSingleLayer)) {
        f.overheadMb.setText(kStandardOverhead);
    }
    if (chosen(kSingleLayer)) {
        f.minutesSlider.setMax(kSingleLayerMinutes);
    }
    showBars(f.videoBars[0], f.videoBars[1], kSingleLayer);
    showBars(f.audio1.bars[0], f.audio1.bars[1], kSingleLayer);
    showBars(f.audio2.bars[0], f.audio2.bars[1], kSingleLayer);
    showBars(f.videoBars[1], f.videoBars[0], kDualLayer);
    showBars(f.audio1.bars[1], f.audio1.bars[0], kDualLayer);
    showBars(f.audio2.bars[1], f.audio2.bars[0], kDualLayer);
    if (chosen(kDualLayer)) {
        capacity = kDualLayerCapacity;
    }
    f.capacityKb.setText(capacityText(capacity));
    if (chosen(kDualLayer)) {
        f.overheadMb.setText(kStandardOverhead);
    }
    if (chosen(kDualLayer)) {
        f.minutesSlider.setMax(kDualLayerMinutes);
    }
}

} // namespace kelvaro
