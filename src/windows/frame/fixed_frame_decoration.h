#pragma once

#include "frame/title_bar.h"
#include "frame/wayland_decoration_interface.h"

#include <QStaticText>

namespace kelvaro {

// The title bar and frame of the program's windows on a Wayland desktop
// that leaves them to the program (Weston, GNOME). Qt's own draws a
// maximise button for every window; the program's windows have a fixed size,
// so this one draws the caption, the icon, a minimise and a close button and
// nothing else. Dragging the title bar moves the window, the right button
// opens the compositor's window menu, and the frame has no edge to resize by.
class FixedFrameDecoration : public QtWaylandClient::QWaylandAbstractDecoration {
public:
    QMargins margins(MarginsType marginsType = Full) const override;
    bool handleMouse(QtWaylandClient::QWaylandInputDevice* inputDevice, const QPointF& local,
                     const QPointF& global, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers modifiers) override;
    bool handleTouch(QtWaylandClient::QWaylandInputDevice* inputDevice, const QPointF& local,
                     const QPointF& global, QEventPoint::State state,
                     Qt::KeyboardModifiers modifiers) override;

protected:
    void paint(QPaintDevice* device) override;

private:
    // The scale factor set for the program (QT_SCALE_FACTOR), by which the
    // window's surface is larger than its client area's size: the frame
    // grows with it. An output's own scale is the surface's buffer scale,
    // which draws the frame larger already.
    qreal windowScale() const;
    void paintCaption(QPainter& painter, const TitleBar& bar);
    void paintButtons(QPainter& painter, const TitleBar& bar) const;
    void press(TitleBar::Part part);

    // The frame's size as last drawn; what the pointer meets is what it sees.
    TitleBar bar_{QSize(), 1};
    QStaticText caption_;
    TitleBar::ButtonPress buttonPress_;
};

} // namespace kelvaro
