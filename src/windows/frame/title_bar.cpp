#include "frame/title_bar.h"

#include <QRect>

#include <utility>

namespace kelvaro {

TitleBar::TitleBar(QSize frameSize, qreal scale) : frame_(frameSize), scale_(scale) {}

QMargins TitleBar::margins(qreal scale) {
    return {qRound(kMargins.left() * scale), qRound(kMargins.top() * scale),
            qRound(kMargins.right() * scale), qRound(kMargins.bottom() * scale)};
}

// The n-th button from the right edge, counted from 0.
QRectF TitleBar::button(int fromRight) const {
    const qreal size = kButtonSize * scale_;
    const qreal right =
        frame_.width() - (kRightMargin + fromRight * (kButtonSize + kButtonSpacing)) * scale_;
    return {right - size, (margins().top() - size) / 2, size, size};
}

QRectF TitleBar::closeButton() const {
    return button(0);
}

QRectF TitleBar::minimiseButton() const {
    return button(1);
}

QRectF TitleBar::icon() const {
    const qreal size = kIconSize * scale_;
    return {margins().left() + kButtonSpacing * scale_, (margins().top() - size) / 2, size, size};
}

QRectF TitleBar::caption(bool withIcon) const {
    const qreal spacing = kButtonSpacing * scale_;
    const qreal left = withIcon ? icon().right() + spacing : margins().left() + spacing;
    const qreal right = minimiseButton().left() - spacing;
    return {left, 0, qMax<qreal>(0, right - left), qreal(margins().top())};
}

namespace {

// A pixel's right and bottom neighbours are outside: a pointer anywhere on
// the last pixel column of a button is still on it, one on the next is not.
bool covers(const QRectF& area, QPointF point) {
    return point.x() >= area.left() && point.x() < area.right() && point.y() >= area.top() &&
           point.y() < area.bottom();
}

} // namespace

TitleBar::Part TitleBar::partAt(QPointF point) const {
    if (!covers(QRectF(QPointF(0, 0), QSizeF(frame_)), point)) {
        return Part::Border;
    }
    if (covers(QRectF(QRect(QPoint(0, 0), frame_).marginsRemoved(margins())), point)) {
        return Part::Client;
    }
    if (point.y() >= margins().top()) {
        return Part::Border;
    }
    if (covers(closeButton(), point)) {
        return Part::Close;
    }
    if (covers(minimiseButton(), point)) {
        return Part::Minimise;
    }
    return Part::Title;
}

TitleBar::Part TitleBar::ButtonPress::follow(Part part, bool leftDown, bool leftUp) {
    if (part == Part::Client) {
        pressed_ = Part::Client;
        return Part::Client;
    }
    if (leftDown) {
        pressed_ = part;
        return Part::Client;
    }
    if (!leftUp) {
        return Part::Client;
    }
    const Part pressed = std::exchange(pressed_, Part::Client);
    return isButton(part) && part == pressed ? part : Part::Client;
}

} // namespace kelvaro
