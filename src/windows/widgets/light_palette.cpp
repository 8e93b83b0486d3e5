#include "widgets/light_palette.h"

#include <QApplication>
#include <QToolTip>
#include <QWidget>

namespace kelvaro {

namespace {

// The system colours of a standard light desktop.
const QColor kWindowText(0, 0, 0);       // window text, lines and frames
const QColor kWindow(255, 255, 255);     // a window's back colour and the fields
const QColor kButtonFace(240, 240, 240); // buttons, lists' buttons, the slider
const QColor kLight(255, 255, 255);
const QColor kMidlight(227, 227, 227);
const QColor kMid(200, 200, 200);
const QColor kDark(160, 160, 160);
const QColor kShadow(105, 105, 105);
// Dark enough that selected white text keeps 4.5:1.
const QColor kHighlight(0, 102, 204);
const QColor kHighlightText(255, 255, 255);
const QColor kInfoBack(255, 255, 225); // tool tips
const QColor kGrayText(109, 109, 109); // disabled text
const QColor kLink(0, 0, 255);
const QColor kLinkVisited(128, 0, 128);

QPalette makePalette() {
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, const QColor& colour) {
        p.setColor(QPalette::All, role, colour);
    };
    set(QPalette::WindowText, kWindowText);
    set(QPalette::Text, kWindowText);
    set(QPalette::ButtonText, kWindowText);
    set(QPalette::ToolTipText, kWindowText);
    set(QPalette::Window, kWindow);
    set(QPalette::Base, kWindow);
    set(QPalette::AlternateBase, kButtonFace);
    set(QPalette::Button, kButtonFace);
    set(QPalette::Light, kLight);
    set(QPalette::Midlight, kMidlight);
    set(QPalette::Mid, kMid);
    set(QPalette::Dark, kDark);
    set(QPalette::Shadow, kShadow);
    set(QPalette::BrightText, kLight);
    set(QPalette::Highlight, kHighlight);
    set(QPalette::HighlightedText, kHighlightText);
    set(QPalette::ToolTipBase, kInfoBack);
    set(QPalette::PlaceholderText, kGrayText);
    set(QPalette::Link, kLink);
    set(QPalette::LinkVisited, kLinkVisited);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, kGrayText);
    }
    return p;
}

} // namespace

const QPalette& LightPalette::palette() {
    static const QPalette light = makePalette();
    return light;
}

void LightPalette::applyTo(QWidget& window) {
    window.setPalette(palette());
}

void LightPalette::applyToPopups() {
    // The application palette also replaces the scheme's palettes for single
    // kinds of widget (menus, item views); tool tips keep a palette of their own.
    QApplication::setPalette(palette());
    QToolTip::setPalette(palette());
}

} // namespace kelvaro
