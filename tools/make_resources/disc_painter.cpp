#include "disc_painter.h"

#include "artwork_palette.h"
#include "badge_painter.h"
#include "colour_ramp.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kelvaro {

QImage DiscPainter::render() const {
    const int size = geometry_.size();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFace(painter);
    paintSheen(painter);
    paintGrooves(painter);
    paintRim(painter);
    paintHub(painter);
    punchHole(painter);
    punchBadgeGap(painter);
    BadgePainter(geometry_).paint(painter);
    return image;
}

void DiscPainter::paintFace(QPainter& painter) const {
    const QRectF bounds = circle(geometry_.outerRadius());
    QLinearGradient silver(bounds.topLeft(), bounds.bottomRight());
    silver.setStops(ColourRamp(palette::silverStops).gradientStops());
    painter.setPen(Qt::NoPen);
    painter.setBrush(silver);
    painter.drawEllipse(bounds);
}

void DiscPainter::paintSheen(QPainter& painter) const {
    QConicalGradient sheen(geometry_.centre(), 0.0);
    sheen.setStops(ColourRamp(palette::sheenStops).gradientStops());
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawEllipse(circle(geometry_.outerRadius()));
}

void DiscPainter::paintGrooves(QPainter& painter) const {
    const double width = geometry_.hairline();
    for (const double radius : geometry_.grooveRadii()) {
        strokeCircle(painter, radius, toQColor(palette::grooveLight), width);
        strokeCircle(painter, radius + width, toQColor(palette::grooveDark), width);
    }
}

void DiscPainter::paintRim(QPainter& painter) const {
    const double rim = geometry_.rimWidth();
    const double outer = geometry_.outerRadius();
    if (geometry_.detailed()) {
        strokeCircle(painter, outer - rim - geometry_.hairline() / 2.0, toQColor(palette::rimGlint),
                     geometry_.hairline());
    }
    strokeCircle(painter, outer - rim / 2.0, toQColor(palette::rim), rim);
}

void DiscPainter::paintHub(QPainter& painter) const {
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(palette::mirrorBand));
    painter.drawEllipse(circle(geometry_.mirrorRadius()));
    strokeCircle(painter, geometry_.mirrorRadius(), toQColor(palette::mirrorEdge),
                 geometry_.hairline());
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(palette::hub));
    painter.drawEllipse(circle(geometry_.hubRadius()));
    if (geometry_.detailed()) {
        strokeCircle(painter, geometry_.stackRingRadius(), toQColor(palette::hubStackRing),
                     geometry_.hairline());
    }
}

void DiscPainter::punchHole(QPainter& painter) const {
    const double radius = geometry_.holeRadius();
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(circle(radius));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const double edge = geometry_.holeEdgeWidth();
    strokeCircle(painter, radius + edge / 2.0, toQColor(palette::holeEdge), edge);
}

void DiscPainter::punchBadgeGap(QPainter& painter) const {
    const double gap = geometry_.badgeGap();
    if (gap <= 0.0) {
        return;
    }
    const QRectF cut = geometry_.badgeRect().adjusted(-gap, -gap, gap, gap);
    const double corner = geometry_.badgeCornerRadius() + gap;
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(cut, corner, corner);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void DiscPainter::strokeCircle(QPainter& painter, double radius, const QColor& colour,
                               double width) const {
    painter.setPen(QPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(circle(radius));
}

QRectF DiscPainter::circle(double radius) const {
    const QPointF centre = geometry_.centre();
    return {centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius};
}

} // namespace kelvaro
