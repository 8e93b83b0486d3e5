#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <vector>

namespace kelvaro {

// Where every part of the disc icon lies for one square size in pixels.
// Small sizes keep the hole and the emblem large enough to be seen and drop
// the fine details, so each size is drawn for itself rather than scaled.
class DiscGeometry {
public:
    explicit DiscGeometry(int size) : size_(size) {}

    int size() const { return size_; }
    bool detailed() const { return size_ >= 32; }
    bool showsSprockets() const { return size_ >= 48; }

    QPointF centre() const;
    double outerRadius() const;
    double rimWidth() const;
    double hairline() const;
    double holeEdgeWidth() const;
    double holeRadius() const;
    double stackRingRadius() const;
    double hubRadius() const;
    double mirrorRadius() const;
    std::vector<double> grooveRadii() const;

    QRectF badgeRect() const;
    double badgeCornerRadius() const;
    double badgeGap() const;
    double badgeBorderWidth() const;
    QPolygonF playTriangle() const;
    std::vector<QRectF> sprocketHoles() const;

private:
    double badgeSide() const;

    int size_;
};

} // namespace kelvaro
