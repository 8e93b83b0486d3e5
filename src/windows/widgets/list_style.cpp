#include "list_style.h"

namespace kelvaro {

namespace {

constexpr int kButtonWidth = 16;

} // namespace

ListStyle::ListStyle() : QProxyStyle(nullptr) {}

QRect ListStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl part, const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (control != CC_ComboBox) {
        return rect;
    }
    const QRect button = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
    const int spare = button.width() - kButtonWidth;
    if (spare <= 0) {
        return rect;
    }
    if (part == SC_ComboBoxArrow) {
        rect.setLeft(rect.left() + spare);
    } else if (part == SC_ComboBoxEditField) {
        rect.setRight(rect.right() + spare);
    }
    return rect;
}

} // namespace kelvaro
