#include "widgets/shape_widget.h"

#include "layout/twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

constexpr const char* kWidthTwips = "widthTwips";
// A bar wider than the window cannot be seen beyond it.
constexpr double kWidestPixels = 1000.0;

} // namespace

ShapeWidget::ShapeWidget(Inside inside, QWidget* parent) : QWidget(parent), inside_(inside) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setProperty(kWidthTwips, 0.0);
}

void ShapeWidget::setWidthTwips(double width) {
    setProperty(kWidthTwips, width);
    const double pixels = std::clamp(width / kTwipsPerPixel, 0.0, kWidestPixels);
    resize(static_cast<int>(std::ceil(pixels)), height());
    update();
}

double ShapeWidget::widthTwips() const {
    return property(kWidthTwips).toDouble();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    const double pixels = std::clamp(widthTwips() / kTwipsPerPixel, 0.0, kWidestPixels);
    const QRectF outer(0.0, 0.0, pixels, height());
    if (outer.isEmpty()) {
        return;
    }
    QPainter painter(this);
    const QColor line = palette().color(QPalette::WindowText);
    if (inside_ == Inside::LightGrey) {
        painter.fillRect(outer, line);
        const QRectF fill = outer.adjusted(1.0, 1.0, -1.0, -1.0);
        if (!fill.isEmpty()) {
            painter.fillRect(fill, QColor(224, 224, 224));
        }
        return;
    }
    const QRectF inner = outer.adjusted(1.0, 1.0, -1.0, -1.0);
    if (inner.isEmpty()) {
        painter.fillRect(outer, line);
        return;
    }
    painter.fillRect(QRectF(outer.left(), outer.top(), outer.width(), 1.0), line);
    painter.fillRect(QRectF(outer.left(), outer.bottom() - 1.0, outer.width(), 1.0), line);
    painter.fillRect(QRectF(outer.left(), inner.top(), 1.0, inner.height()), line);
    painter.fillRect(QRectF(outer.right() - 1.0, inner.top(), 1.0, inner.height()), line);
}

} // namespace kelvaro
