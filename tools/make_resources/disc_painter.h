#pragma once

#include "disc_geometry.h"

#include <QImage>

class QPainter;

namespace kelvaro {

// Draws the program's emblem: a silver disc with concentric rings, a centre
// hole and a rainbow sheen, with the film tile in the lower right corner.
class DiscPainter {
public:
    explicit DiscPainter(const DiscGeometry& geometry) : geometry_(geometry) {}

    // A square image with transparent corners, hole and gap around the tile.
    QImage render() const;

private:
    void paintFace(QPainter& painter) const;
    void paintSheen(QPainter& painter) const;
    void paintGrooves(QPainter& painter) const;
    void paintRim(QPainter& painter) const;
    void paintHub(QPainter& painter) const;
    void punchHole(QPainter& painter) const;
    void punchBadgeGap(QPainter& painter) const;
    void strokeCircle(QPainter& painter, double radius, const QColor& colour, double width) const;
    QRectF circle(double radius) const;

    DiscGeometry geometry_;
};

} // namespace kelvaro
