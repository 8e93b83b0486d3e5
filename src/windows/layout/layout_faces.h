#pragma once

#include <QStringList>

namespace kelvaro {

// The layout's two faces, "MS Sans Serif" and "Times New Roman", as this
// platform has them: each a list of families, the first one found wins.
struct LayoutFaces {
    QStringList sans;
    QStringList serif;
};

LayoutFaces layoutFaces();

} // namespace kelvaro
