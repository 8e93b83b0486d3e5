#include "image_file_writer.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>

namespace kelvaro {

namespace {

// 96 dots per inch, rounded to whole dots per metre as image files keep it.
constexpr int dotsPerMetre = 3780;

} // namespace

bool ImageFileWriter::writePng(const QImage& image, const QString& name) const {
    QImageWriter writer(pathOf(name), "png");
    writer.setCompression(9);
    return writer.write(atScreenResolution(image, QImage::Format_ARGB32));
}

bool ImageFileWriter::writeJpeg(const QImage& image, const QString& name, JpegScan scan,
                                int quality) const {
    QImageWriter writer(pathOf(name), "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    writer.setProgressiveScanWrite(scan == JpegScan::Progressive);
    return writer.write(atScreenResolution(image, QImage::Format_RGB32));
}

bool ImageFileWriter::writeText(const QByteArray& text, const QString& name) const {
    QFile file(pathOf(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(text) == text.size();
}

QString ImageFileWriter::pathOf(const QString& name) const {
    return QDir(folder_).filePath(name);
}

QImage ImageFileWriter::atScreenResolution(const QImage& image, QImage::Format format) {
    QImage result = image.convertToFormat(format);
    result.setDotsPerMeterX(dotsPerMetre);
    result.setDotsPerMeterY(dotsPerMetre);
    return result;
}

} // namespace kelvaro
