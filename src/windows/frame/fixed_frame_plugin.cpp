#include "fixed_frame_plugin.h"

#include "fixed_frame_decoration.h"

namespace kelvaro {

QtWaylandClient::QWaylandAbstractDecoration*
FixedFramePlugin::create(const QString& /*key*/, const QStringList& /*parameters*/) {
    return new FixedFrameDecoration;
}

} // namespace kelvaro
