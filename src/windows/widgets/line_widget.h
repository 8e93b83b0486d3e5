#pragma once

#include <QWidget>

namespace kelvaro {

// A one-pixel solid line in the default line colour, horizontal or vertical,
// covering its whole widget.
class LineWidget : public QWidget {
    Q_OBJECT

public:
    explicit LineWidget(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kelvaro
