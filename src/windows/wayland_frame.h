#pragma once

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

private:
    static bool builtForRunningQt();
};

} // namespace kelvaro
