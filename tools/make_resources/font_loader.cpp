#include "font_loader.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace kelvaro {

QFont FontLoader::load(const FontFace& face, int pixelSize) const {
    QFont font(familyOf(face));
    font.setPixelSize(pixelSize);
    font.setBold(face.bold);
    font.setItalic(face.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

QString FontLoader::familyOf(const FontFace& face) const {
    const int id = QFontDatabase::addApplicationFont(QDir(directory_).filePath(face.fileName));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? face.family : families.first();
}

} // namespace kelvaro
