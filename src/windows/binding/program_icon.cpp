#include "program_icon.h"

#include <QImageReader>
#include <QPixmap>

namespace kelvaro {

namespace {

// Read as PNG straight away: a reader left to find the format itself loads
// every image plugin to ask whether it reads PNG.
QPixmap png(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128}) {
        icon.addPixmap(png(QStringLiteral(":/icon_%1.png").arg(size)));
    }
    return icon;
}

} // namespace kelvaro
