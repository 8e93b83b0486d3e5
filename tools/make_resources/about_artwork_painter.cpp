#include "about_artwork_painter.h"

#include "artwork_palette.h"
#include "background_painter.h"
#include "colour_ramp.h"
#include "disc_geometry.h"
#include "disc_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kelvaro {

namespace {

const FontFace sansBold{"LiberationSans-Bold.ttf", "Liberation Sans", true, false};
const FontFace sansRegular{"LiberationSans-Regular.ttf", "Liberation Sans", false, false};
const FontFace serifItalic{"LiberationSerif-Italic.ttf", "Liberation Serif", false, true};

constexpr int emblemSize = 96;
constexpr QPointF emblemOrigin{16.0, 12.0};
constexpr double textLeft = 126.0;
constexpr double titleBaseline = 76.0;
constexpr double subtitleBaseline = 102.0;
constexpr double noteBaseline = 160.0;
constexpr double copyrightRight = 566.0;
constexpr double copyrightBaseline = 252.0;

} // namespace

QImage AboutArtworkPainter::render() const {
    QImage image = BackgroundPainter().render();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintEmblem(painter);
    paintTitle(painter);
    paintSubtitle(painter);
    paintNote(painter);
    paintCopyright(painter);
    return image;
}

void AboutArtworkPainter::paintEmblem(QPainter& painter) const {
    painter.drawImage(emblemOrigin, DiscPainter(DiscGeometry(emblemSize)).render());
}

void AboutArtworkPainter::paintTitle(QPainter& painter) const {
    const QPainterPath title =
        textPath(fonts_.load(sansBold, 62), QStringLiteral("Kelvaro"), {textLeft, titleBaseline});
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(palette::titleShadow));
    painter.drawPath(title.translated(1.5, 2.0));
    const QRectF bounds = title.boundingRect();
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0.0, toQColor(palette::titleTop));
    fill.setColorAt(1.0, toQColor(palette::titleBottom));
    painter.setBrush(fill);
    painter.drawPath(title);
}

void AboutArtworkPainter::paintSubtitle(QPainter& painter) const {
    const QString text = QStringLiteral("Bitraten-Rechner für Video-DVDs");
    const QPainterPath subtitle =
        textPath(fonts_.load(sansBold, 17), text, {textLeft + 2.0, subtitleBaseline});
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(palette::subtitle));
    painter.drawPath(subtitle);
    const double lineY = subtitleBaseline + 9.0;
    const double lineEnd = subtitle.boundingRect().right() + 40.0;
    QColor fade = toQColor(palette::accentLine);
    fade.setAlpha(0);
    QLinearGradient line(textLeft, lineY, lineEnd, lineY);
    line.setColorAt(0.0, toQColor(palette::accentLine));
    line.setColorAt(1.0, fade);
    painter.setBrush(line);
    painter.drawRect(QRectF(textLeft + 2.0, lineY, lineEnd - textLeft - 2.0, 1.5));
}

void AboutArtworkPainter::paintNote(QPainter& painter) const {
    const QString text = QStringLiteral("Freie Software \u00b7 ohne Gewähr");
    const QPainterPath note =
        textPath(fonts_.load(serifItalic, 17), text, {textLeft + 2.0, noteBaseline});
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(palette::note));
    painter.drawPath(note);
}

void AboutArtworkPainter::paintCopyright(QPainter& painter) const {
    const QString text = QStringLiteral("\u00a9 2026 Kelvaro-Entwickler");
    const QPainterPath measured = textPath(fonts_.load(sansRegular, 12), text, {0.0, 0.0});
    const double left = copyrightRight - measured.boundingRect().right();
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(palette::copyright));
    painter.drawPath(measured.translated(left, copyrightBaseline));
}

QPainterPath AboutArtworkPainter::textPath(const QFont& font, const QString& text,
                                           QPointF baseline) {
    QPainterPath path;
    path.addText(baseline, font, text);
    return path;
}

} // namespace kelvaro
