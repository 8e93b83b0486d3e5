#pragma once

#include <QRect>
#include <QScrollBar>

namespace kelvaro {

// A horizontal scroll bar used as a slider. When only its value changes it
// repaints the strip where the handle was and the strip where it is now,
// not the whole bar: the groove and the arrows look the same as before.
// While it has the keyboard focus it is framed in the highlight colour, the
// way a focused text field is.
class SliderBar : public QScrollBar {
    Q_OBJECT

public:
    explicit SliderBar(QWidget* parent);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The handle's strip across the bar's whole height, with room for the
    // outline that the style draws around the handle.
    QRect handleStrip() const;
    void drawFocusFrame();

    QRect paintedHandle_; // the strip of the handle as last painted
};

} // namespace kelvaro
