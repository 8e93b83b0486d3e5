#include "runtime/scroll_bar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelvaro {
namespace {

// Writing the value of a slider from 1 to 620 that stands at 360.
struct ValueRow {
    const char* name;
    int written;
    bool refused;
    std::int16_t value;
    int changes;
};

class ScrollBarValue : public ::testing::TestWithParam<ValueRow> {};

TEST_P(ScrollBarValue, RaisesOnlyOnChangeAndRefusesOutOfRange) {
    const ValueRow& row = GetParam();
    ScrollBar bar("HScroll1", 1, 620, 360);
    int changes = 0;
    bar.change.connect([&] {
        ++changes;
        EXPECT_EQ(bar.value(), row.written); // already set when change runs
    });
    if (row.refused) {
        EXPECT_THROW(bar.setValue(row.written), std::out_of_range);
    } else {
        bar.setValue(row.written);
    }
    EXPECT_EQ(bar.value(), row.value);
    EXPECT_EQ(changes, row.changes);
}

INSTANTIATE_TEST_SUITE_P(Rows, ScrollBarValue,
                         ::testing::Values(ValueRow{"new_value", 120, false, 120, 1},
                                           ValueRow{"same_value", 360, false, 360, 0},
                                           ValueRow{"minimum", 1, false, 1, 1},
                                           ValueRow{"maximum", 620, false, 620, 1},
                                           ValueRow{"below_minimum", 0, true, 360, 0},
                                           ValueRow{"negative", -5, true, 360, 0},
                                           ValueRow{"above_maximum", 621, true, 360, 0},
                                           ValueRow{"beyond_16_bits", 40000, true, 360, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Changing the maximum of a slider from 1 to 960.
struct MaxRow {
    const char* name;
    std::int16_t start;
    std::int16_t max;
    std::int16_t value;
    int changes;
};

class ScrollBarMax : public ::testing::TestWithParam<MaxRow> {};

TEST_P(ScrollBarMax, ValueAboveNewMaximumMovesAndRaisesChange) {
    const MaxRow& row = GetParam();
    ScrollBar bar("HScroll1", 1, 960, row.start);
    int changes = 0;
    bar.change.connect([&] {
        ++changes;
        EXPECT_EQ(bar.max(), row.max); // the new range is in place
        EXPECT_EQ(bar.value(), row.max);
    });
    bar.setMax(row.max);
    EXPECT_EQ(bar.max(), row.max);
    EXPECT_EQ(bar.value(), row.value);
    EXPECT_EQ(changes, row.changes);
    EXPECT_FALSE(bar.accepts(row.max + 1));
}

INSTANTIATE_TEST_SUITE_P(Rows, ScrollBarMax,
                         ::testing::Values(MaxRow{"lowered_below_value", 900, 620, 620, 1},
                                           MaxRow{"lowered_to_value", 620, 620, 620, 0},
                                           MaxRow{"lowered_above_value", 360, 620, 360, 0},
                                           MaxRow{"unchanged", 900, 960, 900, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvaro
