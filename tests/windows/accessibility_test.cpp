// What a reader meets in-process: nothing beyond a window's children, and
// the bridge in front of Qt's objects on the bus also when the reader starts
// after the first mark. What a reader hears is checked over AT-SPI
// (tests/desktops/screen_reader_client.py).
#include "accessibility/invalid_entry_bridge.h"
#include "gui_fixture.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QProcess>

namespace kelvaro {
namespace {

using ReaderTree = GuiFixture;

// A reader asking beyond the main window's children gets none; a list's
// popup is its first part.
TEST_F(ReaderTree, HasNothingBeyondTheChildren) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form1());
    EXPECT_TRUE(window->child(-1) == nullptr && window->child(window->childCount()) == nullptr);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(control("Combo2"));
    EXPECT_EQ(list->indexOfChild(list->child(0)), 0) << "the popup's place in its list";
}

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
