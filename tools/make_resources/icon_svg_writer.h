#pragma once

#include "artwork_palette.h"
#include "disc_geometry.h"

#include <QByteArray>
#include <QString>

#include <span>

namespace kelvaro {

// Writes the disc icon as a scalable vector picture, the same design as the
// pixel icons. The sheen, a conical gradient in the pixel icons, becomes a
// fan of thin sectors, since the vector format has no conical gradient.
// The gap around the tile is a mask; everything else is plain shapes.
class IconSvgWriter {
public:
    explicit IconSvgWriter(const DiscGeometry& geometry) : geometry_(geometry) {}

    QByteArray text() const;

private:
    QString defs() const;
    QString discGroup() const;
    QString sheen() const;
    QString rings() const;
    QString hub() const;
    QString badge() const;
    QString sector(double fromTurn, double toTurn, palette::Rgba colour) const;
    QString pointAt(double radius, double turn) const;
    QString annulus(double outer, double inner, const QString& paint) const;
    QString circlePath(double radius) const;
    QString circle(double radius, const QString& paint) const;
    QString ring(double radius, palette::Rgba colour, double width) const;
    static QString gradientStops(std::span<const palette::ColourStop> stops);
    static QString fill(palette::Rgba colour);
    static QString stroke(palette::Rgba colour, double width);
    static QString hex(palette::Rgba colour);
    static QString number(double value);

    DiscGeometry geometry_;
};

} // namespace kelvaro
