#include "frame/fixed_frame_decoration.h"
#include "frame/wayland_decoration_interface.h"

#include <QObject>

namespace kelvaro {

// Offers the program's own window frame to Qt's Wayland platform plugin. It
// lies in the program's own plugin folder, where no other program looks, and
// the program chooses it for itself (see WaylandFrame).
class FixedFramePlugin : public QtWaylandClient::QWaylandDecorationPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID
                      "org.qt-project.Qt.WaylandClient.QWaylandDecorationFactoryInterface.5.4" FILE
                      "fixed_frame_plugin.json")

public:
    QtWaylandClient::QWaylandAbstractDecoration*
    create(const QString& /*key*/, const QStringList& /*parameters*/) override {
        return new FixedFrameDecoration;
    }
};

} // namespace kelvaro

#include "fixed_frame_plugin.moc"
