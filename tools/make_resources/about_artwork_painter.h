#pragma once

#include "font_loader.h"

#include <QImage>
#include <QPointF>

class QPainter;
class QPainterPath;

namespace kelvaro {

// The About window's picture: the background gradient with the disc emblem
// and the title at the top left, a line under the title, a grey note in the
// middle and the copyright at the bottom right. The right part between the
// title and the note stays empty: the window puts its version label and its
// button there.
class AboutArtworkPainter {
public:
    explicit AboutArtworkPainter(const FontLoader& fonts) : fonts_(fonts) {}

    QImage render() const;

private:
    void paintEmblem(QPainter& painter) const;
    void paintTitle(QPainter& painter) const;
    void paintSubtitle(QPainter& painter) const;
    void paintNote(QPainter& painter) const;
    void paintCopyright(QPainter& painter) const;
    static QPainterPath textPath(const QFont& font, const QString& text, QPointF baseline);

    const FontLoader& fonts_;
};

} // namespace kelvaro
