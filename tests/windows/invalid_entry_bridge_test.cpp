// A reader started after the first mark: the bridge, made at that mark,
// stands in front of Qt's objects once accessibility comes on, not before;
// told again, it stays in front of them and does not take itself for them.
// What a reader hears through it is checked over AT-SPI
// (tests/desktops/screen_reader_client.py).
#include "accessibility/invalid_entry_bridge.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// Where Qt serves the accessible objects on the accessibility bus.
class QtObjects : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return QStringLiteral("<node/>"); }
    bool handleMessage(const QDBusMessage&, const QDBusConnection&) override { return false; }
};

TEST(InvalidEntryBridge, StandsInFrontWhenAReaderComesLater) {
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--session"), QStringLiteral("--nofork"),
                  QStringLiteral("--print-address")});
    ASSERT_TRUE(daemon.waitForReadyRead(5000)) << "dbus-daemon is missing";
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    const QString objects = QStringLiteral("/org/a11y/atspi/accessible");
    QtObjects qt;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("a11y"));
        ASSERT_TRUE(bus.registerVirtualObject(objects, &qt, QDBusConnection::SubPath));
        InvalidEntryBridge& bridge = InvalidEntryBridge::instance();
        for (const bool active : {false, true, true}) {
            bridge.accessibilityActiveChanged(active);
            QCoreApplication::processEvents();
            EXPECT_EQ(bus.objectRegisteredAt(objects),
                      active ? static_cast<QObject*>(&bridge) : &qt)
                << "accessibility " << (active ? "on" : "off");
        }
        EXPECT_EQ(bridge.introspect(objects), QStringLiteral("<node/>"));
        bus.unregisterObject(objects);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("a11y"));
    daemon.kill();
    daemon.waitForFinished();
}

} // namespace
} // namespace kelvaro
