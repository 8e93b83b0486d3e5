#include "layout_fonts.h"

namespace kelvaro {

namespace {

// Point sizes at 96 dots per inch: 8.25 pt is 11 px, 12.75 pt 17 px, 9 pt 12 px
// and 12 pt 16 px.
QFont face(const char* family, int pixelSize, bool bold) {
    QFont font{QString::fromLatin1(family)};
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    return font;
}

constexpr const char* kSans = "Liberation Sans";   // for "MS Sans Serif"
constexpr const char* kSerif = "Liberation Serif"; // for "Times New Roman"

} // namespace

QFont layoutFont(LayoutFont font) {
    switch (font) {
    case LayoutFont::F2:
        return face(kSerif, 11, false);
    case LayoutFont::F3:
        return face(kSerif, 17, false);
    case LayoutFont::F4:
        return face(kSerif, 12, false);
    case LayoutFont::F5:
        return face(kSans, 16, true);
    case LayoutFont::None:
    case LayoutFont::Default:
    case LayoutFont::F1:
        break;
    }
    return face(kSans, 11, false);
}

} // namespace kelvaro
