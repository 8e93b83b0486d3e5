#include "layout/layout_fonts.h"

#include "layout/layout_faces.h"

namespace kelvaro {

namespace {

// Point sizes at 96 dots per inch: 8.25 pt is 11 px, 12.75 pt 17 px, 9 pt 12 px
// and 12 pt 16 px.
QFont face(const QStringList& families, int pixelSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    return font;
}

} // namespace

QFont layoutFont(LayoutFont font) {
    static const LayoutFaces faces = layoutFaces();
    const QStringList& sans = faces.sans;
    const QStringList& serif = faces.serif;
    switch (font) {
    case LayoutFont::F2:
        return face(serif, 11, false);
    case LayoutFont::F3:
        return face(serif, 17, false);
    case LayoutFont::F4:
        return face(serif, 12, false);
    case LayoutFont::F5:
        return face(sans, 16, true);
    case LayoutFont::None:
    case LayoutFont::Default:
    case LayoutFont::F1:
        break;
    }
    return face(sans, 11, false);
}

} // namespace kelvaro
