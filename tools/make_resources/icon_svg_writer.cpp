#include "icon_svg_writer.h"

#include "colour_ramp.h"

#include <cmath>
#include <numbers>

namespace kelvaro {

namespace {

constexpr int sheenSectors = 120;

} // namespace

QByteArray IconSvgWriter::text() const {
    const QString side = number(geometry_.size());
    QString svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + side + "\" height=\"" + side +
           "\" viewBox=\"0 0 " + side + ' ' + side + "\">\n";
    svg += "<title>Kelvaro</title>\n";
    svg += defs();
    svg += discGroup();
    svg += badge();
    svg += "</svg>\n";
    return svg.toUtf8();
}

QString IconSvgWriter::defs() const {
    const double radius = geometry_.outerRadius();
    const QPointF centre = geometry_.centre();
    const QString from = number(centre.x() - radius);
    const QString to = number(centre.x() + radius);
    const QRectF tile = geometry_.badgeRect();
    const double gap = geometry_.badgeGap();
    const QRectF cut = tile.adjusted(-gap, -gap, gap, gap);
    const QString side = number(geometry_.size());
    QString out = "<defs>\n";
    out += "<linearGradient id=\"silver\" gradientUnits=\"userSpaceOnUse\" x1=\"" + from +
           "\" y1=\"" + from + "\" x2=\"" + to + "\" y2=\"" + to + "\">\n";
    out += gradientStops(palette::silverStops) + "</linearGradient>\n";
    out += "<linearGradient id=\"tile\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" +
           number(tile.top()) + "\" x2=\"0\" y2=\"" + number(tile.bottom()) + "\">\n";
    out += "<stop offset=\"0\" stop-color=\"" + hex(palette::badgeTop) + "\"/>\n";
    out += "<stop offset=\"1\" stop-color=\"" + hex(palette::badgeBottom) + "\"/>\n";
    out += "</linearGradient>\n";
    out += "<mask id=\"cut\" maskUnits=\"userSpaceOnUse\" x=\"0\" y=\"0\" width=\"" + side +
           "\" height=\"" + side + "\">\n";
    out += "<rect width=\"" + side + "\" height=\"" + side + "\" fill=\"#ffffff\"/>\n";
    out += "<rect x=\"" + number(cut.x()) + "\" y=\"" + number(cut.y()) + "\" width=\"" +
           number(cut.width()) + "\" height=\"" + number(cut.height()) + "\" rx=\"" +
           number(geometry_.badgeCornerRadius() + gap) + "\" fill=\"#000000\"/>\n";
    out += "</mask>\n</defs>\n";
    return out;
}

// Every layer of the disc is a ring around the hole, so the hole stays open
// even where a viewer ignores the mask that cuts the gap around the tile.
QString IconSvgWriter::discGroup() const {
    QString out = "<g mask=\"url(#cut)\">\n";
    out += annulus(geometry_.outerRadius(), geometry_.holeRadius(), "fill=\"url(#silver)\"");
    out += sheen();
    out += rings();
    out += hub();
    const double edge = geometry_.holeEdgeWidth();
    out += ring(geometry_.holeRadius() + edge / 2.0, palette::holeEdge, edge);
    return out + "</g>\n";
}

QString IconSvgWriter::sheen() const {
    const ColourRamp ramp(palette::sheenStops);
    QString out = "<g>\n";
    for (int i = 0; i < sheenSectors; ++i) {
        const double from = static_cast<double>(i) / sheenSectors;
        const double to = static_cast<double>(i + 1) / sheenSectors;
        const palette::Rgba colour = ramp.at((from + to) / 2.0);
        if (colour.alpha > 0) {
            out += sector(from, to, colour);
        }
    }
    return out + "</g>\n";
}

QString IconSvgWriter::rings() const {
    const double hairline = geometry_.hairline();
    const double outer = geometry_.outerRadius();
    const double rim = geometry_.rimWidth();
    QString out;
    for (const double radius : geometry_.grooveRadii()) {
        out += ring(radius, palette::grooveLight, hairline);
        out += ring(radius + hairline, palette::grooveDark, hairline);
    }
    out += ring(outer - rim - hairline / 2.0, palette::rimGlint, hairline);
    out += ring(outer - rim / 2.0, palette::rim, rim);
    return out;
}

QString IconSvgWriter::hub() const {
    const double hairline = geometry_.hairline();
    QString out;
    const double hole = geometry_.holeRadius();
    out += annulus(geometry_.mirrorRadius(), hole, fill(palette::mirrorBand));
    out += ring(geometry_.mirrorRadius(), palette::mirrorEdge, hairline);
    out += annulus(geometry_.hubRadius(), hole, fill(palette::hub));
    out += ring(geometry_.stackRingRadius(), palette::hubStackRing, hairline);
    return out;
}

QString IconSvgWriter::badge() const {
    const QRectF tile = geometry_.badgeRect();
    const double border = geometry_.badgeBorderWidth();
    const QRectF inner = tile.adjusted(border / 2.0, border / 2.0, -border / 2.0, -border / 2.0);
    QString out = "<g>\n";
    out += "<rect x=\"" + number(inner.x()) + "\" y=\"" + number(inner.y()) + "\" width=\"" +
           number(inner.width()) + "\" height=\"" + number(inner.height()) + "\" rx=\"" +
           number(geometry_.badgeCornerRadius() - border / 2.0) + "\" fill=\"url(#tile)\" " +
           stroke(palette::badgeBorder, border) + "/>\n";
    for (const QRectF& hole : geometry_.sprocketHoles()) {
        out += "<rect x=\"" + number(hole.x()) + "\" y=\"" + number(hole.y()) + "\" width=\"" +
               number(hole.width()) + "\" height=\"" + number(hole.height()) + "\" rx=\"" +
               number(hole.height() * 0.3) + "\" " + fill(palette::sprocket) + "/>\n";
    }
    QString points;
    for (const QPointF& corner : geometry_.playTriangle()) {
        points += number(corner.x()) + ',' + number(corner.y()) + ' ';
    }
    out += "<polygon points=\"" + points.trimmed() + "\" " + fill(palette::playMark) + ' ' +
           stroke(palette::playMark, tile.width() * 0.04) + " stroke-linejoin=\"round\"/>\n";
    return out + "</g>\n";
}

// A piece of the data area between two fractions of a full turn, counted
// counter-clockwise from three o'clock as in the pixel icons' gradient.
QString IconSvgWriter::sector(double fromTurn, double toTurn, palette::Rgba colour) const {
    const double outer = geometry_.outerRadius();
    const double inner = geometry_.mirrorRadius();
    return "<path d=\"M" + pointAt(outer, fromTurn) + " A" + number(outer) + ',' + number(outer) +
           " 0 0 0 " + pointAt(outer, toTurn) + " L" + pointAt(inner, toTurn) + " A" +
           number(inner) + ',' + number(inner) + " 0 0 1 " + pointAt(inner, fromTurn) + "Z\" " +
           fill(colour) + "/>\n";
}

QString IconSvgWriter::pointAt(double radius, double turn) const {
    const QPointF centre = geometry_.centre();
    const double angle = 2.0 * std::numbers::pi * turn;
    return number(centre.x() + radius * std::cos(angle)) + ',' +
           number(centre.y() - radius * std::sin(angle));
}

QString IconSvgWriter::annulus(double outer, double inner, const QString& paint) const {
    return "<path d=\"" + circlePath(outer) + ' ' + circlePath(inner) +
           "\" fill-rule=\"evenodd\" " + paint + "/>\n";
}

QString IconSvgWriter::circlePath(double radius) const {
    const QPointF centre = geometry_.centre();
    const QString r = number(radius);
    return "M" + number(centre.x() - radius) + ',' + number(centre.y()) + " a" + r + ',' + r +
           " 0 1 0 " + number(2.0 * radius) + ",0 a" + r + ',' + r + " 0 1 0 " +
           number(-2.0 * radius) + ",0Z";
}

QString IconSvgWriter::ring(double radius, palette::Rgba colour, double width) const {
    return circle(radius, "fill=\"none\" " + stroke(colour, width));
}

QString IconSvgWriter::circle(double radius, const QString& paint) const {
    const QPointF centre = geometry_.centre();
    return "<circle cx=\"" + number(centre.x()) + "\" cy=\"" + number(centre.y()) + "\" r=\"" +
           number(radius) + "\" " + paint + "/>\n";
}

QString IconSvgWriter::gradientStops(std::span<const palette::ColourStop> stops) {
    QString out;
    for (const palette::ColourStop& stop : stops) {
        out += "<stop offset=\"" + number(stop.position) + "\" stop-color=\"" + hex(stop.colour) +
               "\"/>\n";
    }
    return out;
}

QString IconSvgWriter::fill(palette::Rgba colour) {
    QString out = "fill=\"" + hex(colour) + '"';
    if (colour.alpha < 255) {
        out += " fill-opacity=\"" + number(colour.alpha / 255.0) + '"';
    }
    return out;
}

QString IconSvgWriter::stroke(palette::Rgba colour, double width) {
    QString out = "stroke=\"" + hex(colour) + "\" stroke-width=\"" + number(width) + '"';
    if (colour.alpha < 255) {
        out += " stroke-opacity=\"" + number(colour.alpha / 255.0) + '"';
    }
    return out;
}

QString IconSvgWriter::hex(palette::Rgba colour) {
    return QString::asprintf("#%02x%02x%02x", colour.red, colour.green, colour.blue);
}

// Two decimals are plenty at icon sizes; trailing zeros are dropped.
QString IconSvgWriter::number(double value) {
    QString text = QString::number(value, 'f', 2);
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.'))) {
        text.chop(1);
    }
    return text == "-0" ? QStringLiteral("0") : text;
}

} // namespace kelvaro
