#include "title_bar.h"

#include <QRect>

#include <utility>

namespace kelvaro {

TitleBar::TitleBar(QSize frameSize) : frame_(frameSize) {}

// The n-th button from the right edge, counted from 0.
QRectF TitleBar::button(int fromRight) const {
    const int right = frame_.width() - kRightMargin - fromRight * (kButtonSize + kButtonSpacing);
    return {qreal(right - kButtonSize), qreal(kMargins.top() - kButtonSize) / 2, qreal(kButtonSize),
            qreal(kButtonSize)};
}

QRectF TitleBar::closeButton() const {
    return button(0);
}

QRectF TitleBar::minimiseButton() const {
    return button(1);
}

QRectF TitleBar::icon() const {
    return {qreal(kMargins.left() + kButtonSpacing), qreal(kMargins.top() - kIconSize) / 2,
            qreal(kIconSize), qreal(kIconSize)};
}

QRectF TitleBar::caption(bool withIcon) const {
    const qreal left =
        withIcon ? icon().right() + kButtonSpacing : kMargins.left() + kButtonSpacing;
    const qreal right = minimiseButton().left() - kButtonSpacing;
    return {left, 0, qMax<qreal>(0, right - left), qreal(kMargins.top())};
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
    if (covers(QRectF(QRect(QPoint(0, 0), frame_).marginsRemoved(kMargins)), point)) {
        return Part::Client;
    }
    if (point.y() >= kMargins.top()) {
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
