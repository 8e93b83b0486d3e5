#include "runtime/shape.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvaro {
namespace {

// Widths in twips are held in single precision; a negative width is set as 0.
struct WidthRow {
    const char* name;
    double set;
    float held;
};

class ShapeWidth : public ::testing::TestWithParam<WidthRow> {};

TEST_P(ShapeWidth, HeldInSinglePrecisionNeverNegative) {
    const WidthRow& row = GetParam();
    Shape shape("Shape1", 100.0f);
    shape.setWidth(row.set);
    EXPECT_EQ(shape.width(), row.held);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShapeWidth,
    ::testing::Values(WidthRow{"exact_in_single", 4239.84375 / 4, 1059.9609375f},
                      WidthRow{"rounded_to_single", 0.1, 0.1f},
                      WidthRow{"dual_layer_scale", 4239.84375 / 7.4, 572.951858f},
                      WidthRow{"zero", 0.0, 0.0f},
                      WidthRow{"tiny_negative_set_as_zero", -1e-30, 0.0f}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvaro
