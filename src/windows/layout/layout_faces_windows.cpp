#include "layout/layout_faces.h"

namespace kelvaro {

// The layout's own faces. "MS Sans Serif" is a bitmap face that Qt's
// DirectWrite font database does not list; Windows draws it with its outline
// successor, "Microsoft Sans Serif", which Qt then finds.
LayoutFaces layoutFaces() {
    return {{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")},
            {QStringLiteral("Times New Roman")}};
}

} // namespace kelvaro
