#include "fixed_frame_plugin.h"

#include "fixed_frame_decoration.h"

#include <QtGlobal>
#include <QtPlugin>

#include <cstring>

Q_IMPORT_PLUGIN(FixedFramePlugin)

namespace kelvaro {

QtWaylandClient::QWaylandAbstractDecoration*
FixedFramePlugin::create(const QString& /*key*/, const QStringList& /*parameters*/) {
    return new FixedFrameDecoration;
}

void FixedFramePlugin::select() {
    const char* running = qVersion();
    const QByteArray built = QByteArrayLiteral(QT_VERSION_STR);
    const qsizetype minorEnd = built.lastIndexOf('.') + 1;
    if (std::strncmp(running, built.constData(), std::size_t(minorEnd)) != 0) {
        return;
    }
    qputenv("QT_WAYLAND_DECORATION", kKey);
}

} // namespace kelvaro
