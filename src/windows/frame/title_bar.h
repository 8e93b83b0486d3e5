#pragma once

#include <QMargins>
#include <QPointF>
#include <QRectF>
#include <QSize>

namespace kelvaro {

// Where things are in the frame the program draws around its windows on a
// Wayland desktop that leaves the frame to the program: a title bar with a
// minimise and a close button at the right, and a thin border. The windows
// have a fixed size, so there is no maximise button and no edge to resize
// by. Coordinates are the frame's surface pixels (the window system's), with
// the client area inside the margins. A scale factor set for the program
// (QT_SCALE_FACTOR) enlarges the client area in these pixels, and the frame
// with it: every length below is multiplied by the scale.
class TitleBar {
public:
    enum class Part { Client, Border, Title, Minimise, Close };

    // The lengths at scale 1.
    static constexpr QMargins kMargins{3, 30, 3, 3};
    static constexpr int kButtonSize = 18;
    static constexpr int kButtonSpacing = 5;
    static constexpr int kRightMargin = 8;
    static constexpr int kIconSize = 22;

    explicit TitleBar(QSize frameSize, qreal scale = 1);

    // The margins around the client area at a scale, in whole pixels.
    static QMargins margins(qreal scale);
    QMargins margins() const { return margins(scale_); }
    qreal scale() const { return scale_; }
    QSize frameSize() const { return frame_; }
    QRectF closeButton() const;
    QRectF minimiseButton() const;
    QRectF icon() const;
    // Where the caption may stand: between the icon (if any) and the buttons.
    QRectF caption(bool withIcon) const;

    Part partAt(QPointF point) const;

    // Minimise and close: what a click or a touch presses.
    static bool isButton(Part part) { return part == Part::Minimise || part == Part::Close; }

    // A button acts when the left button is pressed and released on it; a
    // release anywhere else, or the pointer entering the client area on the
    // way, ends the press without acting. It follows the pointer over the
    // frame however often the frame is drawn anew.
    class ButtonPress {
    public:
        // One pointer event over the part, with whether the left button went
        // down or up in it. Returns the button the event clicks, or
        // Part::Client for none.
        Part follow(Part part, bool leftDown, bool leftUp);

    private:
        Part pressed_ = Part::Client;
    };

private:
    QRectF button(int fromRight) const;

    QSize frame_;
    qreal scale_;
};

} // namespace kelvaro
