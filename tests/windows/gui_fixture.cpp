#include "gui_fixture.h"

#include <QCoreApplication>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

double luminance(QRgb pixel) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) +
           0.0722 * channel(qBlue(pixel));
}

} // namespace

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRect inkIn(const QImage& image, const QRect& area, QRgb background) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (contrast(image.pixel(x, y), background) >= 3.0) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

QRect placeOf(const QWidget* widget) {
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

GuiFixture::GuiFixture() : program_(NumberFormat(',')), gui_(program_) {
    gui_.start();
    settle();
}

void GuiFixture::clickInto(QWidget* widget) const {
    widget->window()->activateWindow();
    widget->setFocus(Qt::MouseFocusReason);
    settle();
}

// Selects the whole text and types the new one over it.
void GuiFixture::replaceText(QLineEdit* edit, const QString& text) const {
    clickInto(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
    settle();
}

void GuiFixture::pressKey(QWidget* widget, Qt::Key key) const {
    QTest::keyClick(widget, key);
    settle();
}

void GuiFixture::click(QPushButton* button) const {
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

void GuiFixture::chooseFromPopup(QComboBox* combo, int index) const {
    clickInto(combo);
    UserInput::chooseFromPopup(combo, index);
}

void GuiFixture::dragSliderTo(int value) const {
    QScrollBar* bar = slider();
    bar->setSliderDown(true);
    bar->setSliderPosition(value);
    bar->setSliderDown(false);
    settle();
}

} // namespace kelvaro
