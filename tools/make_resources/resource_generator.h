#pragma once

#include "image_file_writer.h"

#include <QString>

namespace kelvaro {

// Makes every picture the program carries and writes them into one folder:
// the icon in eight sizes and as a vector picture, and the backgrounds of the
// main window and the About window.
class ResourceGenerator {
public:
    explicit ResourceGenerator(const QString& folder) : files_(folder) {}

    bool run() const;

private:
    bool writeIcons() const;
    bool writeVectorIcon() const;
    bool writeMainBackground() const;
    bool writeAboutBackground() const;

    ImageFileWriter files_;
};

} // namespace kelvaro
