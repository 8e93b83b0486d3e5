#pragma once

#include <QAccessible>
#include <QDBusVirtualObject>
#include <QPointer>
#include <QSet>

class QWidget;

namespace kelvaro {

// Puts marked fields into the invalid-entry state on the AT-SPI bus. Qt's
// accessibility has no such state, so this object stands in front of Qt's
// handler of the accessible objects on that bus: it answers a state query
// for a marked field with Qt's own answer plus the invalid-entry bit and
// hands every other call on unchanged; each change of a field's mark is sent
// as a state-changed event. Without an AT-SPI bus it only keeps the marks.
class InvalidEntryBridge : public QDBusVirtualObject, public QAccessible::ActivationObserver {
    Q_OBJECT

public:
    static InvalidEntryBridge& instance();

    void setInvalid(QWidget& widget, bool invalid);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;
    void accessibilityActiveChanged(bool active) override;

private:
    explicit InvalidEntryBridge(QObject* parent);
    ~InvalidEntryBridge() override;

    void standInFront();
    bool answerState(const QDBusMessage& message, const QDBusConnection& connection);
    void sendStateChanged(QAccessible::Id id, bool invalid) const;

    QPointer<QDBusVirtualObject> qtHandler_;
    QSet<QAccessible::Id> invalid_;
    bool askingQt_ = false;
};

} // namespace kelvaro
