#include "disc_geometry.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

constexpr int sprocketsPerStrip = 4;

} // namespace

QPointF DiscGeometry::centre() const {
    return {size_ / 2.0, size_ / 2.0};
}

double DiscGeometry::outerRadius() const {
    return size_ / 2.0 - std::max(0.25, size_ / 96.0);
}

double DiscGeometry::rimWidth() const {
    return std::max(1.0, size_ / 56.0);
}

// The width of the fine rings: grooves, band edges, the glint inside the rim.
double DiscGeometry::hairline() const {
    return std::max(0.6, size_ / 128.0);
}

double DiscGeometry::holeEdgeWidth() const {
    return std::max(1.0, hairline());
}

double DiscGeometry::holeRadius() const {
    return std::max(1.5, outerRadius() * 0.15);
}

double DiscGeometry::stackRingRadius() const {
    return (holeRadius() + hubRadius()) / 2.0;
}

double DiscGeometry::hubRadius() const {
    return std::max(holeRadius() + 1.5, outerRadius() * 0.36);
}

double DiscGeometry::mirrorRadius() const {
    return hubRadius() + std::max(1.0, outerRadius() * 0.05);
}

std::vector<double> DiscGeometry::grooveRadii() const {
    const double radius = outerRadius();
    if (size_ >= 64) {
        return {radius * 0.52, radius * 0.66, radius * 0.80};
    }
    if (size_ >= 48) {
        return {radius * 0.60, radius * 0.80};
    }
    if (detailed()) {
        return {radius * 0.70};
    }
    return {};
}

double DiscGeometry::badgeSide() const {
    // Small enough to leave the centre hole in view.
    return std::round(size_ * 0.45);
}

QRectF DiscGeometry::badgeRect() const {
    const double side = badgeSide();
    return {size_ - side, size_ - side, side, side};
}

double DiscGeometry::badgeCornerRadius() const {
    return badgeSide() * 0.2;
}

double DiscGeometry::badgeGap() const {
    // Below 32 pixels the tile's dark border alone sets it off the disc.
    return size_ < 32 ? 0.0 : size_ / 40.0;
}

double DiscGeometry::badgeBorderWidth() const {
    return std::max(1.0, size_ / 64.0);
}

QPolygonF DiscGeometry::playTriangle() const {
    const QRectF badge = badgeRect();
    const double height = badge.height() * (showsSprockets() ? 0.40 : 0.64);
    const double width = height * 0.88;
    // The centroid sits on the tile's centre, which looks centred to the eye.
    double left = badge.center().x() - width / 3.0;
    double top = badge.center().y() - height / 2.0;
    double bottom = top + height;
    if (!detailed()) {
        // On whole pixels the upright edge and the corners stay sharp.
        left = std::round(left);
        top = std::round(top);
        bottom = std::round(bottom);
    }
    const double middle = (top + bottom) / 2.0;
    return QPolygonF{{QPointF(left, top), QPointF(left + width, middle), QPointF(left, bottom)}};
}

std::vector<QRectF> DiscGeometry::sprocketHoles() const {
    if (!showsSprockets()) {
        return {};
    }
    const QRectF badge = badgeRect();
    const double side = badge.width();
    // Whole pixels keep the small holes sharp.
    const double holeWidth = std::round(side * 0.12);
    const double holeHeight = std::round(side * 0.09);
    const double pitch = side / sprocketsPerStrip;
    const double inset = std::round(side * 0.08);
    const double top = badge.top() + inset;
    const double bottom = badge.bottom() - inset - holeHeight;
    std::vector<QRectF> holes;
    for (int i = 0; i < sprocketsPerStrip; ++i) {
        const double left = std::round(badge.left() + pitch * (i + 0.5) - holeWidth / 2.0);
        holes.emplace_back(left, top, holeWidth, holeHeight);
        holes.emplace_back(left, bottom, holeWidth, holeHeight);
    }
    return holes;
}

} // namespace kelvaro
