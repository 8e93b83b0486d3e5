#include "wayland_frame.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QtGlobal>

namespace kelvaro {

namespace {

constexpr char kKey[] = "kelvaro-fixed-frame";

} // namespace

void WaylandFrame::choose() {
    choose(QCoreApplication::applicationDirPath() +
           QStringLiteral("/" KELVARO_PLUGINS_FROM_PROGRAM));
}

void WaylandFrame::choose(const QString& pluginFolder) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
        !builtForRunningQt()) {
        return;
    }
    const QString plugin = pluginFolder + QStringLiteral("/wayland-decoration-client/") +
                           QLatin1String(kKey) + QStringLiteral(".so");
    if (!QFileInfo::exists(plugin)) {
        return;
    }
    QCoreApplication::addLibraryPath(pluginFolder);
    // Read when the first window gets its frame.
    qputenv("QT_WAYLAND_DECORATION", kKey);
}

// The frame speaks an interface Qt does not promise to keep: the Qt that runs
// the program must be of the same minor version as the one it was built with.
bool WaylandFrame::builtForRunningQt() {
    const QByteArray built(QT_VERSION_STR);
    const QByteArray running(qVersion());
    const QByteArray minor = built.left(built.lastIndexOf('.') + 1);
    return running.startsWith(minor);
}

} // namespace kelvaro
