#include "runtime/scroll_bar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelvaro {
namespace {

// Writing the value or lowering the maximum of a slider from 1 to 960: change
// is raised only when the value changes, with the new value and range in
// place; a value out of range is refused and changes nothing.
struct BarRow {
    const char* name;
    std::int16_t start;
    bool setsMax; // otherwise the value is written
    int written;
    bool refused;
    std::int16_t value;
    int changes;
};

class ScrollBarWrite : public ::testing::TestWithParam<BarRow> {};

TEST_P(ScrollBarWrite, RaisesChangeOnlyWhenTheValueChanges) {
    const BarRow& row = GetParam();
    ScrollBar bar("HScroll1", 1, 960, row.start);
    const std::int16_t max = row.setsMax ? static_cast<std::int16_t>(row.written) : 960;
    int changes = 0;
    bar.change.connect([&] {
        ++changes;
        EXPECT_EQ(bar.value(), row.value);
        EXPECT_EQ(bar.max(), max);
    });
    if (row.refused) {
        EXPECT_THROW(bar.setValue(row.written), std::out_of_range);
    } else if (row.setsMax) {
        bar.setMax(max);
    } else {
        bar.setValue(row.written);
    }
    EXPECT_EQ(bar.value(), row.value);
    EXPECT_EQ(changes, row.changes);
    EXPECT_TRUE(bar.accepts(max));
    EXPECT_FALSE(bar.accepts(max + 1));
}

INSTANTIATE_TEST_SUITE_P(Rows, ScrollBarWrite,
                         ::testing::Values(BarRow{"new_value", 360, false, 120, false, 120, 1},
                                           BarRow{"same_value", 360, false, 360, false, 360, 0},
                                           BarRow{"minimum", 360, false, 1, false, 1, 1},
                                           BarRow{"maximum", 360, false, 960, false, 960, 1},
                                           BarRow{"below_minimum", 360, false, 0, true, 360, 0},
                                           BarRow{"negative", 360, false, -5, true, 360, 0},
                                           BarRow{"above_maximum", 360, false, 961, true, 360, 0},
                                           BarRow{"beyond_16_bits", 360, false, 40000, true, 360,
                                                  0},
                                           BarRow{"max_below_value", 900, true, 620, false, 620, 1},
                                           BarRow{"max_to_value", 620, true, 620, false, 620, 0},
                                           BarRow{"max_above_value", 360, true, 620, false, 360, 0},
                                           BarRow{"max_unchanged", 900, true, 960, false, 900, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvaro
