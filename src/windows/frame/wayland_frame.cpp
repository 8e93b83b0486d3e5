#include "frame/wayland_frame.h"

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
        !fits(QByteArrayLiteral(KELVARO_FRAME_BUILT_FOR), QByteArray(qVersion()))) {
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

bool WaylandFrame::fits(const QByteArray& builtFor, const QByteArray& running) {
    return !builtFor.isEmpty() && (running == builtFor || running.startsWith(builtFor + '.'));
}

} // namespace kelvaro
