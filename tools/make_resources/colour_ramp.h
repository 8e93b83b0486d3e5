#pragma once

#include "artwork_palette.h"

#include <QColor>
#include <QGradientStops>

#include <span>

namespace kelvaro {

QColor toQColor(palette::Rgba colour);

// A run of colour stops over 0..1: hands them to Qt gradients and samples
// them for the vector icon, which has no conical gradient to draw with.
class ColourRamp {
public:
    explicit ColourRamp(std::span<const palette::ColourStop> stops) : stops_(stops) {}

    QGradientStops gradientStops() const;
    palette::Rgba at(double position) const;

private:
    std::span<const palette::ColourStop> stops_;
};

} // namespace kelvaro
