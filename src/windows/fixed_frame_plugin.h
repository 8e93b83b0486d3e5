#pragma once

#include "wayland_decoration_abi.h"

namespace kelvaro {

// Offers the program's own window frame to Qt's Wayland platform plugin. It
// is built into the program, not installed where other programs would find
// it, and chosen only for this process.
class FixedFramePlugin : public QtWaylandClient::QWaylandDecorationPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID
                      "org.qt-project.Qt.WaylandClient.QWaylandDecorationFactoryInterface.5.4" FILE
                      "fixed_frame_plugin.json")

public:
    static constexpr const char* kKey = "kelvaro-fixed-frame";

    QtWaylandClient::QWaylandAbstractDecoration* create(const QString& key,
                                                        const QStringList& parameters) override;

    // Makes Qt draw the program's windows with this frame wherever it draws
    // the frame itself. Called before the application object exists. Only
    // the Qt this was built for is asked to: another one may load decorations
    // through another interface.
    static void select();
};

} // namespace kelvaro
