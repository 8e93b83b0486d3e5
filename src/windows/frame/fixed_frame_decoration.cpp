#include "frame/fixed_frame_decoration.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QWindow>

namespace kelvaro {

namespace {

constexpr int kCaptionPixelSize = 14;
constexpr qreal kCornerRadius = 3;

} // namespace

qreal FixedFrameDecoration::windowScale() const {
    const qreal surfaceScale = waylandWindow() != nullptr ? waylandWindow()->scale() : 0;
    if (window() == nullptr || surfaceScale <= 0) {
        return 1;
    }
    return window()->devicePixelRatio() / surfaceScale;
}

QMargins FixedFrameDecoration::margins(MarginsType marginsType) const {
    return marginsType == ShadowsOnly ? QMargins() : TitleBar::margins(windowScale());
}

void FixedFrameDecoration::paint(QPaintDevice* device) {
    // The device is the whole frame, scaled by the surface's buffer scale.
    const qreal scale = device->devicePixelRatioF();
    bar_ = TitleBar(QSize(qRound(device->width() / scale), qRound(device->height() / scale)),
                    windowScale());
    const TitleBar& bar = bar_;
    QPainter painter(device);
    painter.setRenderHint(QPainter::Antialiasing);
    // The frame around the client area, with rounded outer corners.
    const QRectF frame(QPointF(0, 0), QSizeF(bar.frameSize()));
    const qreal radius = kCornerRadius * bar.scale();
    QPainterPath outline;
    outline.addRoundedRect(frame, radius, radius);
    QPainterPath client;
    client.addRect(QRectF(QRect(QPoint(0, 0), bar.frameSize()).marginsRemoved(bar.margins())));
    painter.fillPath(outline.subtracted(client),
                     QGuiApplication::palette().color(QPalette::Window));
    paintCaption(painter, bar);
    paintButtons(painter, bar);
}

void FixedFrameDecoration::paintCaption(QPainter& painter, const TitleBar& bar) {
    const QIcon icon = window()->icon();
    if (!icon.isNull()) {
        icon.paint(&painter, bar.icon().toRect());
    }
    const QString text = window()->title();
    if (text.isEmpty()) {
        return;
    }
    QFont font = painter.font();
    font.setPixelSize(qRound(kCaptionPixelSize * bar.scale()));
    painter.setFont(font);
    if (caption_.text() != text) {
        caption_.setText(text);
        caption_.setTextFormat(Qt::PlainText);
    }
    caption_.prepare(QTransform(), font);
    // Centred on the whole bar, as far as the room between icon and buttons allows.
    const QSizeF size = caption_.size();
    const QRectF room = bar.caption(!icon.isNull());
    qreal x = (bar.frameSize().width() - size.width()) / 2;
    x = qMax(room.left(), qMin(x, room.right() - size.width()));
    painter.save();
    painter.setClipRect(room);
    painter.setPen(QGuiApplication::palette().color(
        window()->isActive() ? QPalette::Active : QPalette::Inactive, QPalette::WindowText));
    painter.drawStaticText(QPointF(x, (bar.margins().top() - size.height()) / 2), caption_);
    painter.restore();
}

void FixedFrameDecoration::paintButtons(QPainter& painter, const TitleBar& bar) const {
    QPen pen(QGuiApplication::palette().color(
        window()->isActive() ? QPalette::Active : QPalette::Inactive, QPalette::WindowText));
    pen.setWidthF(2 * bar.scale());
    painter.setPen(pen);
    // Close: a cross in the middle of its button.
    const QRectF close = bar.closeButton();
    const qreal half = close.height() / 4.6;
    const QPointF centre = close.center();
    painter.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    painter.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
    // Minimise: a bar at the foot of its button.
    const qreal inset = 5 * bar.scale();
    const QRectF minimise = bar.minimiseButton().adjusted(inset, inset, -inset, -inset);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawLine(minimise.bottomLeft(), minimise.bottomRight());
}

void FixedFrameDecoration::press(TitleBar::Part part) {
    if (part == TitleBar::Part::Close) {
        // Delivered later, as a close request from the compositor would be:
        // closing may hide or end what is handling this press.
        QWindow* const closing = window();
        QMetaObject::invokeMethod(
            closing, [closing] { closing->close(); }, Qt::QueuedConnection);
    } else if (part == TitleBar::Part::Minimise) {
        window()->setWindowState(Qt::WindowMinimized);
    }
}

bool FixedFrameDecoration::handleMouse(QtWaylandClient::QWaylandInputDevice* inputDevice,
                                       const QPointF& local, const QPointF& /*global*/,
                                       Qt::MouseButtons buttons,
                                       Qt::KeyboardModifiers /*modifiers*/) {
    const TitleBar::Part part = bar_.partAt(local);
    const TitleBar::Part clicked =
        buttonPress_.follow(part, isLeftClicked(buttons), isLeftReleased(buttons));
    if (part == TitleBar::Part::Client) {
        setMouseButtons(buttons);
        return false;
    }
    if (part == TitleBar::Part::Title && isRightClicked(buttons)) {
        showWindowMenu(inputDevice);
    } else if (part == TitleBar::Part::Title) {
        startMove(inputDevice, buttons);
    } else {
        press(clicked);
    }
    setMouseButtons(buttons);
    return true;
}

bool FixedFrameDecoration::handleTouch(QtWaylandClient::QWaylandInputDevice* /*inputDevice*/,
                                       const QPointF& local, const QPointF& /*global*/,
                                       QEventPoint::State state,
                                       Qt::KeyboardModifiers /*modifiers*/) {
    if (state != QEventPoint::Pressed) {
        return false;
    }
    const TitleBar::Part part = bar_.partAt(local);
    if (part == TitleBar::Part::Title) {
        window()->startSystemMove();
        return true;
    }
    press(part);
    // A touch on the client area or the border is the window's.
    return TitleBar::isButton(part);
}

} // namespace kelvaro
