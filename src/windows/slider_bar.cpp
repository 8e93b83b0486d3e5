#include "slider_bar.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace kelvaro {

namespace {

// The styles draw the handle's outline up to two pixels beside its rectangle.
constexpr int kOutline = 2;

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
    paintedHandle_ = handleStrip();
}

} // namespace kelvaro
