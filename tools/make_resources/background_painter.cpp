#include "background_painter.h"

#include "artwork_palette.h"
#include "colour_ramp.h"

#include <QLinearGradient>
#include <QPainter>

namespace kelvaro {

QImage BackgroundPainter::render() const {
    QImage image(width, height, QImage::Format_RGB32);
    QLinearGradient gradient(0.0, 0.0, 0.0, height);
    gradient.setStops(ColourRamp(palette::backgroundStops).gradientStops());
    QPainter painter(&image);
    painter.fillRect(image.rect(), gradient);
    return image;
}

} // namespace kelvaro
