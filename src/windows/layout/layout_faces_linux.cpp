#include "layout/layout_faces.h"

namespace kelvaro {

// Debian's metric-compatible stand-ins for the layout's faces.
LayoutFaces layoutFaces() {
    return {{QStringLiteral("Liberation Sans")}, {QStringLiteral("Liberation Serif")}};
}

} // namespace kelvaro
