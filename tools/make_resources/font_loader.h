#pragma once

#include <QFont>
#include <QString>

namespace kelvaro {

struct FontFace {
    QString fileName;
    QString family;
    bool bold = false;
    bool italic = false;
};

// Loads a typeface from its file so the artwork never depends on which fonts
// the desktop would pick; falls back to the family name if the file is gone.
class FontLoader {
public:
    explicit FontLoader(QString directory) : directory_(std::move(directory)) {}

    QFont load(const FontFace& face, int pixelSize) const;

private:
    QString familyOf(const FontFace& face) const;

    QString directory_;
};

} // namespace kelvaro
