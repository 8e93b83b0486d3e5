#pragma once

#include "disc_geometry.h"

class QPainter;

namespace kelvaro {

// Draws the emblem tile: a deep blue film frame with sprocket holes and a
// white play triangle. Small sizes show the triangle alone.
class BadgePainter {
public:
    explicit BadgePainter(const DiscGeometry& geometry) : geometry_(geometry) {}

    void paint(QPainter& painter) const;

private:
    void paintTile(QPainter& painter) const;
    void paintSprockets(QPainter& painter) const;
    void paintPlayMark(QPainter& painter) const;

    DiscGeometry geometry_;
};

} // namespace kelvaro
