#include "widgets/slider_bar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace kelvaro {

namespace {

// The styles draw the handle's outline up to two pixels beside its rectangle.
constexpr int kOutline = 2;

// A one-pixel frame along the inside of the rectangle.
void drawFrame(QPainter& painter, const QRect& r, const QColor& colour) {
    painter.fillRect(r.left(), r.top(), r.width(), 1, colour);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, colour);
    painter.fillRect(r.left(), r.top() + 1, 1, r.height() - 2, colour);
    painter.fillRect(r.right(), r.top() + 1, 1, r.height() - 2, colour);
}

} // namespace

SliderBar::SliderBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

QRect SliderBar::handleStrip() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    return QRect(handle.left() - kOutline, 0, handle.width() + 2 * kOutline, height());
}

void SliderBar::sliderChange(SliderChange change) {
    if (change != SliderValueChange || paintedHandle_.isEmpty()) {
        QScrollBar::sliderChange(change);
        return;
    }
    const QRect strip = handleStrip();
    update(paintedHandle_.united(strip));
    paintedHandle_ = strip;
}

void SliderBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (hasFocus()) {
        drawFocusFrame();
    }
    paintedHandle_ = handleStrip();
}

// Two lines inside the bar's edge: a dark one that stands out from the
// light groove and from the picture around the bar, and a lighter one
// inside it that sets it off from the arrows and the handle. QWidget repaints
// the whole bar when the focus comes or goes, so the frame appears and goes
// with it; a value change repaints the handle's strip, frame included.
void SliderBar::drawFocusFrame() {
    QPainter painter(this);
    const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
    drawFrame(painter, rect(), highlight.darker(150));
    drawFrame(painter, rect().adjusted(1, 1, -1, -1), highlight);
}

} // namespace kelvaro
