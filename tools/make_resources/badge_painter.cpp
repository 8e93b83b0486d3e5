#include "badge_painter.h"

#include "artwork_palette.h"
#include "colour_ramp.h"

#include <QLinearGradient>
#include <QPainter>

namespace kelvaro {

void BadgePainter::paint(QPainter& painter) const {
    paintTile(painter);
    paintSprockets(painter);
    paintPlayMark(painter);
}

void BadgePainter::paintTile(QPainter& painter) const {
    const QRectF tile = geometry_.badgeRect();
    const double border = geometry_.badgeBorderWidth();
    const QRectF inner = tile.adjusted(border / 2.0, border / 2.0, -border / 2.0, -border / 2.0);
    const double corner = geometry_.badgeCornerRadius() - border / 2.0;
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0.0, toQColor(palette::badgeTop));
    fill.setColorAt(1.0, toQColor(palette::badgeBottom));
    painter.setPen(QPen(toQColor(palette::badgeBorder), border));
    painter.setBrush(fill);
    painter.drawRoundedRect(inner, corner, corner);
}

void BadgePainter::paintSprockets(QPainter& painter) const {
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(palette::sprocket));
    for (const QRectF& hole : geometry_.sprocketHoles()) {
        const double corner = hole.height() * 0.3;
        painter.drawRoundedRect(hole, corner, corner);
    }
}

void BadgePainter::paintPlayMark(QPainter& painter) const {
    const QColor mark = toQColor(palette::playMark);
    if (geometry_.detailed()) {
        // A thin pen of the same colour rounds the corners a little.
        QPen pen(mark, geometry_.badgeRect().width() * 0.04);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(mark);
    painter.drawPolygon(geometry_.playTriangle());
}

} // namespace kelvaro
