#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kelvaro {

enum class JpegScan { Baseline, Progressive };

// Writes the finished pictures into one folder, at 96 dots per inch and
// without anything that changes from run to run.
class ImageFileWriter {
public:
    explicit ImageFileWriter(QString folder) : folder_(std::move(folder)) {}

    bool writePng(const QImage& image, const QString& name) const;
    bool writeJpeg(const QImage& image, const QString& name, JpegScan scan, int quality) const;
    bool writeText(const QByteArray& text, const QString& name) const;

private:
    QString pathOf(const QString& name) const;
    static QImage atScreenResolution(const QImage& image, QImage::Format format);

    QString folder_;
};

} // namespace kelvaro
