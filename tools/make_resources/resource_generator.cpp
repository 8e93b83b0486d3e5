#include "resource_generator.h"

#include "about_artwork_painter.h"
#include "background_painter.h"
#include "disc_geometry.h"
#include "disc_painter.h"
#include "font_loader.h"
#include "icon_svg_writer.h"

#include <array>

namespace kelvaro {

namespace {

constexpr std::array iconSizes{16, 24, 32, 48, 64, 72, 96, 128};
constexpr int vectorIconSize = 128;
constexpr int mainQuality = 85;
constexpr int aboutQuality = 85;
const QString fontDirectory = QStringLiteral("/usr/share/fonts/truetype/liberation");

} // namespace

bool ResourceGenerator::run() const {
    return writeIcons() && writeVectorIcon() && writeMainBackground() && writeAboutBackground();
}

bool ResourceGenerator::writeIcons() const {
    for (const int size : iconSizes) {
        const QImage icon = DiscPainter(DiscGeometry(size)).render();
        if (!files_.writePng(icon, QStringLiteral("icon_%1.png").arg(size))) {
            return false;
        }
    }
    return true;
}

bool ResourceGenerator::writeVectorIcon() const {
    const IconSvgWriter writer{DiscGeometry(vectorIconSize)};
    return files_.writeText(writer.text(), QStringLiteral("icon.svg"));
}

bool ResourceGenerator::writeMainBackground() const {
    return files_.writeJpeg(BackgroundPainter().render(), QStringLiteral("background_main.jpg"),
                            JpegScan::Baseline, mainQuality);
}

bool ResourceGenerator::writeAboutBackground() const {
    const FontLoader fonts(fontDirectory);
    return files_.writeJpeg(AboutArtworkPainter(fonts).render(),
                            QStringLiteral("background_about.jpg"), JpegScan::Progressive,
                            aboutQuality);
}

} // namespace kelvaro
