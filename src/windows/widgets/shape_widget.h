#pragma once

#include <QWidget>

namespace kelvaro {

// A rectangle with a one-pixel solid border, its inside transparent (a frame)
// or light grey (a bar). Its width is kept in twips, as the core holds it, in
// the dynamic property "widthTwips", and painted to the fraction of a pixel.
class ShapeWidget : public QWidget {
    Q_OBJECT

public:
    enum class Inside { Transparent, LightGrey };

    ShapeWidget(Inside inside, QWidget* parent);

    void setWidthTwips(double width);
    double widthTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Inside inside_;
};

} // namespace kelvaro
