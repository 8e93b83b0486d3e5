#include "frame/window_activation.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <QWidget>

namespace kelvaro {

namespace {

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

void WindowActivation::takeOver() {
    if (onWayland()) {
        // Its only connection to this signal that the application receives.
        QObject::disconnect(qApp, &QGuiApplication::focusObjectChanged, qApp, nullptr);
    }
}

void WindowActivation::request(QWidget& window) {
    if (onWayland() && QLibraryInfo::version() >= QVersionNumber(6, 8)) {
        return;
    }
    window.activateWindow();
}

} // namespace kelvaro
