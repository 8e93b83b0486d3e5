#pragma once

#include <QByteArray>
#include <QString>

namespace kelvaro {

// Chooses the program's own window frame (a plugin in the program's plugin
// folder) where Qt draws the frame itself, on Wayland: Qt's own frame shows
// a maximise button on every window. Only the Qt the plugin was built for is
// asked to load it, and only if it is there; otherwise the windows keep Qt's
// frame. Called after the application object exists, before any window.
class WaylandFrame {
public:
    static void choose();
    // With the plugin folder given, for a tool that lies elsewhere.
    static void choose(const QString& pluginFolder);

    // Whether a frame built for the Qt version `builtFor` may be loaded into
    // the Qt `running`. A frame built against Qt's private headers names a
    // whole version ("6.8.2") and needs exactly that Qt; one built against
    // Qt 6.4's exported interface names a minor version ("6.4") and takes
    // any Qt of it.
    static bool fits(const QByteArray& builtFor, const QByteArray& running);
};

} // namespace kelvaro
