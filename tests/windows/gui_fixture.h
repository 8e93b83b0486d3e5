#pragma once

#include "binding/gui.h"
#include "handlers/program.h"
#include "user_input.h"

#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QScrollBar>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace kelvaro {

// The contrast of two colours as WCAG 2 measures it, from 1 to 21.
double contrast(QRgb a, QRgb b);

// The smallest rectangle round the pixels inside the area that stand out
// from the background as text does (3:1); an invalid one if none does.
QRect inkIn(const QImage& image, const QRect& area, QRgb background);

// The widget's rectangle in the client area of its window.
QRect placeOf(const QWidget* widget);

// The program with its real windows, started in a German setting (decimal
// comma), driven by input events as a user would drive it.
class GuiFixture : public ::testing::Test {
protected:
    GuiFixture();
    ~GuiFixture() override { settle(); }

    QWidget* form1() const { return gui_.form1(); }
    QWidget* about() const { return gui_.about(); }

    // The control of that name in the window; a missing one fails the test.
    template <class Widget = QWidget>
    Widget* control(const QString& name, const QWidget* window = nullptr) const {
        const QWidget* in = window ? window : form1();
        auto* widget = in ? in->findChild<Widget*>(name) : nullptr;
        if (widget == nullptr) {
            throw std::runtime_error("no control " + name.toStdString() + " of the expected kind");
        }
        return widget;
    }
    QLineEdit* field(const QString& name) const { return control<QLineEdit>(name); }
    QLabel* label(const QString& name) const { return control<QLabel>(name); }
    QComboBox* list(const QString& name) const { return control<QComboBox>(name); }
    QScrollBar* slider() const { return control<QScrollBar>("HScroll1"); }
    std::string text(const QString& name) const { return field(name)->text().toStdString(); }
    std::string caption(const QString& name) const { return label(name)->text().toStdString(); }

    // User actions; each lets the windows take in its effects.
    static void settle() { UserInput::settle(); }
    void clickInto(QWidget* widget) const;
    void replaceText(QLineEdit* edit, const QString& text) const;
    void pressKey(QWidget* widget, Qt::Key key) const;
    void click(QPushButton* button) const;
    void chooseFromPopup(QComboBox* combo, int index) const;
    void dragSliderTo(int value) const;

    Program program_;
    Gui gui_;
};

} // namespace kelvaro
