#pragma once

#include <QPalette>

class QWidget;

namespace kelvaro {

// The colours the windows are drawn in, whatever the desktop's colour
// scheme: the system colours of a standard light desktop. The layouts and the
// background pictures are made for them, so a dark scheme would put light
// text on the light pictures.
class LightPalette {
public:
    // The same palette in every colour group.
    static const QPalette& palette();

    // Gives a window the light colours; its controls inherit them.
    static void applyTo(QWidget& window);

    // Popups are windows of their own and inherit nothing from the control
    // that opens them: the lists' drop-down lists, the fields' context menus
    // and the tool tips take the application's colours, so these become the
    // light ones too. Called before the windows are built.
    static void applyToPopups();
};

} // namespace kelvaro
