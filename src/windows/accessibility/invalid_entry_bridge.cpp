#include "accessibility/invalid_entry_bridge.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QLoggingCategory>
#include <QWidget>

namespace kelvaro {

namespace {

Q_LOGGING_CATEGORY(lcBridge, "kelvaro.accessibility")

// Where Qt serves the accessible objects on the AT-SPI bus: one object per
// accessible, its path ending in the accessible's id.
const QString kBusName = QStringLiteral("a11y");
const QString kObjects = QStringLiteral("/org/a11y/atspi/accessible");
const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
const QString kObjectEvents = QStringLiteral("org.a11y.atspi.Event.Object");
constexpr int kInvalidEntry = 36; // ATSPI_STATE_INVALID_ENTRY
constexpr int kCallTimeoutMs = 2000;

using StateWords = QList<uint>;

// The reference to an object, which a state change carries as its data.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectReference& reference) {
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectReference& reference) {
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

QString pathOf(QAccessible::Id id) {
    return kObjects + QLatin1Char('/') + QString::number(id);
}

QAccessible::Id idOf(QWidget& widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&widget);
    return iface != nullptr ? QAccessible::uniqueId(iface) : 0;
}

StateWords stateWordsOf(const QVariant& value) {
    if (value.canConvert<QDBusArgument>()) {
        StateWords words;
        value.value<QDBusArgument>() >> words;
        return words;
    }
    return value.value<StateWords>();
}

} // namespace

} // namespace kelvaro

Q_DECLARE_METATYPE(kelvaro::ObjectReference)

namespace kelvaro {

InvalidEntryBridge& InvalidEntryBridge::instance() {
    static QPointer<InvalidEntryBridge> bridge;
    if (bridge.isNull()) {
        bridge = new InvalidEntryBridge(QCoreApplication::instance());
    }
    return *bridge;
}

InvalidEntryBridge::InvalidEntryBridge(QObject* parent) : QDBusVirtualObject(parent) {
    qDBusRegisterMetaType<StateWords>();
    qDBusRegisterMetaType<ObjectReference>();
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive()) {
        standInFront();
    }
}

InvalidEntryBridge::~InvalidEntryBridge() {
    QAccessible::removeActivationObserver(this);
}

void InvalidEntryBridge::accessibilityActiveChanged(bool active) {
    if (active) {
        // Qt registers its handler right after telling the observers.
        QMetaObject::invokeMethod(this, &InvalidEntryBridge::standInFront, Qt::QueuedConnection);
    }
}

void InvalidEntryBridge::standInFront() {
    QDBusConnection bus(kBusName);
    if (!bus.isConnected()) {
        return;
    }
    auto* handler = qobject_cast<QDBusVirtualObject*>(bus.objectRegisteredAt(kObjects));
    if (handler == nullptr || handler == this) {
        qCDebug(lcBridge) << "no accessible objects on the AT-SPI bus to stand in front of";
        return;
    }
    qtHandler_ = handler;
    bus.unregisterObject(kObjects);
    if (!bus.registerVirtualObject(kObjects, this, QDBusConnection::SubPath)) {
        // Put Qt's handler back: the readers keep everything but the state.
        bus.registerVirtualObject(kObjects, handler, QDBusConnection::SubPath);
        qtHandler_.clear();
        qCWarning(lcBridge) << "cannot report invalid entries on the AT-SPI bus";
    }
}

QString InvalidEntryBridge::introspect(const QString& path) const {
    return qtHandler_.isNull() ? QString() : qtHandler_->introspect(path);
}

bool InvalidEntryBridge::handleMessage(const QDBusMessage& message,
                                       const QDBusConnection& connection) {
    if (qtHandler_.isNull()) {
        return false;
    }
    const bool stateOfMarked =
        !askingQt_ && message.interface() == kAccessible &&
        message.member() == QLatin1String("GetState") &&
        invalid_.contains(message.path().section(QLatin1Char('/'), -1).toUInt());
    if (stateOfMarked && answerState(message, connection)) {
        return true;
    }
    return qtHandler_->handleMessage(message, connection);
}

// Asks Qt's handler through a call to this very connection, which Qt
// delivers in-process, and adds the invalid-entry bit to its answer.
bool InvalidEntryBridge::answerState(const QDBusMessage& message,
                                     const QDBusConnection& connection) {
    QDBusConnection bus(connection);
    const QDBusMessage ask = QDBusMessage::createMethodCall(bus.baseService(), message.path(),
                                                            kAccessible, message.member());
    askingQt_ = true;
    const QDBusMessage answer = bus.call(ask, QDBus::Block, kCallTimeoutMs);
    askingQt_ = false;
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().size() != 1) {
        return false;
    }
    StateWords words = stateWordsOf(answer.arguments().constFirst());
    if (words.size() != 2) {
        return false;
    }
    words[kInvalidEntry / 32] |= 1u << (kInvalidEntry % 32);
    return bus.send(message.createReply(QVariant::fromValue(words)));
}

void InvalidEntryBridge::setInvalid(QWidget& widget, bool invalid) {
    const QAccessible::Id id = idOf(widget);
    if (id == 0 || invalid_.contains(id) == invalid) {
        return;
    }
    if (invalid) {
        invalid_.insert(id);
    } else {
        invalid_.remove(id);
    }
    sendStateChanged(id, invalid);
}

void InvalidEntryBridge::sendStateChanged(QAccessible::Id id, bool invalid) const {
    // Without a reader there is nothing to tell, and looking the bus up would
    // start Qt's D-Bus machinery (a thread of its own) at the first mark.
    if (qtHandler_.isNull()) {
        return;
    }
    QDBusConnection bus(kBusName);
    if (!bus.isConnected()) {
        return;
    }
    // The event in the form the AT-SPI interface defines, ending in a
    // dictionary of properties (siiva{sv}), as Qt 6.8 sends its own. Qt 6.4
    // ends its events in the application's reference instead (siiv(so));
    // libatspi reads both, so one form serves under either Qt.
    const QString path = pathOf(id);
    QDBusMessage event =
        QDBusMessage::createSignal(path, kObjectEvents, QStringLiteral("StateChanged"));
    event << QStringLiteral("invalid-entry") << (invalid ? 1 : 0) << 0
          << QVariant::fromValue(QDBusVariant(
                 QVariant::fromValue(ObjectReference{bus.baseService(), QDBusObjectPath(path)})))
          << QVariantMap();
    bus.send(event);
}

} // namespace kelvaro
