#include "program_icon.h"

namespace kelvaro {

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128}) {
        icon.addFile(QStringLiteral(":/icon_%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace kelvaro
