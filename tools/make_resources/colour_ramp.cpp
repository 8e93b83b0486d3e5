#include "colour_ramp.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

std::uint8_t mix(std::uint8_t from, std::uint8_t to, double share) {
    const double value = from + (to - from) * share;
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

palette::Rgba mix(palette::Rgba from, palette::Rgba to, double share) {
    return {mix(from.red, to.red, share), mix(from.green, to.green, share),
            mix(from.blue, to.blue, share), mix(from.alpha, to.alpha, share)};
}

} // namespace

QColor toQColor(palette::Rgba colour) {
    return QColor(colour.red, colour.green, colour.blue, colour.alpha);
}

QGradientStops ColourRamp::gradientStops() const {
    QGradientStops result;
    for (const palette::ColourStop& stop : stops_) {
        result.append({stop.position, toQColor(stop.colour)});
    }
    return result;
}

palette::Rgba ColourRamp::at(double position) const {
    if (position <= stops_.front().position) {
        return stops_.front().colour;
    }
    for (std::size_t i = 1; i < stops_.size(); ++i) {
        const palette::ColourStop& upper = stops_[i];
        if (position <= upper.position) {
            const palette::ColourStop& lower = stops_[i - 1];
            const double share = (position - lower.position) / (upper.position - lower.position);
            return mix(lower.colour, upper.colour, share);
        }
    }
    return stops_.back().colour;
}

} // namespace kelvaro
