// What a screen reader is given, read through Qt's accessibility interfaces
// in-process: roles, names that hold the words beside or on each control,
// nothing of the drawings or the working fields in the tree, and a marked
// field's message.
#include "accessibility/invalid_entry_bridge.h"
#include "gui_fixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QPushButton>

#include <set>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

class AccessibilityTest : public GuiFixture {
protected:
    static QAccessibleInterface* accessible(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget);
    }
    static std::string name(QWidget* widget) {
        return accessible(widget)->text(QAccessible::Name).toStdString();
    }
    static std::string description(QWidget* widget) {
        return accessible(widget)->text(QAccessible::Description).toStdString();
    }
    // The object names of the window's children in the reader's tree; each
    // child, and each of theirs, knows its own place, and a reader asking
    // beyond the children gets none.
    static std::set<std::string> treeOf(QWidget* window) {
        std::set<std::string> names;
        QAccessibleInterface* iface = accessible(window);
        EXPECT_EQ(iface->child(-1), nullptr);
        EXPECT_EQ(iface->child(iface->childCount()), nullptr);
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* child = iface->child(i);
            EXPECT_EQ(iface->indexOfChild(child), i);
            for (int j = 0; j < child->childCount(); ++j) { // a list's popup and text area
                EXPECT_EQ(child->indexOfChild(child->child(j)), j);
            }
            names.insert(child->object()->objectName().toStdString());
        }
        return names;
    }
};

struct Named {
    const char* control;
    QAccessible::Role role;
    const char* name;
    bool readOnly = false; // the results: a reader hears they cannot be typed in
};

TEST_F(AccessibilityTest, EveryControlIsNamedByTheWordsBesideOrOnIt) {
    const std::vector<Named> controls = {
        {"Combo1", QAccessible::ComboBox, "DVD Typ"},
        {"Combo2", QAccessible::ComboBox, "Audio1"},
        {"Combo3", QAccessible::ComboBox, "Audio2"},
        {"Text1", QAccessible::EditableText, "Zeit"},
        {"Text9", QAccessible::EditableText, "Audio1 X"},
        {"Text15", QAccessible::EditableText, "Audio2 X"},
        {"Text3", QAccessible::EditableText, "Extras"},
        {"Text14", QAccessible::EditableText, "Subbs"},
        {"Text17", QAccessible::EditableText, "Mux"},
        {"HScroll1", QAccessible::ScrollBar, "Zeit-Regler"},
        {"Text12", QAccessible::EditableText, "Min", true},
        {"Text8", QAccessible::EditableText, "Avg", true},
        {"Text13", QAccessible::EditableText, "Max", true},
        {"Command1", QAccessible::Button, "Berechnen"},
        {"Command3", QAccessible::Button, "About"},
        {"Command2", QAccessible::Button, "Exit"},
    };
    for (const Named& c : controls) {
        SCOPED_TRACE(c.control);
        QWidget* widget = control(c.control);
        EXPECT_EQ(accessible(widget)->role(), c.role);
        EXPECT_EQ(name(widget), c.name);
        EXPECT_FALSE(description(widget).empty());
        EXPECT_EQ(accessible(widget)->state().readOnly, c.readOnly);
    }
    // A list's value is the text it shows, its text area carries its name.
    EXPECT_EQ(accessible(list("Combo2"))->text(QAccessible::Value).toStdString(), "128 kbps");
    EXPECT_EQ(name(list("Combo2")->lineEdit()), "Audio1");
    // Its first action, the one a reader takes by default, opens it, as on Qt's own lists.
    EXPECT_EQ(accessible(list("Combo2"))->actionInterface()->actionNames().value(0).toStdString(),
              QAccessibleActionInterface::showMenuAction().toStdString());
    // ...and opens and closes it when a reader takes it.
    QAccessibleActionInterface* actions = accessible(list("Combo2"))->actionInterface();
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(list("Combo2")->view()->isVisible());
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(list("Combo2")->view()->isVisible());
    EXPECT_EQ(accessible(form1())->role(), QAccessible::Window);
}

TEST_F(AccessibilityTest, DrawingsAndWorkingFieldsAreNotInTheTree) {
    const std::set<std::string> tree = treeOf(form1());
    for (const char* left : {"Line1", "Line28", "Shape1", "Shape6", "Shape4_0", "Text2", "Text4",
                             "Text6", "Text10", "Text19", "Text20"}) {
        EXPECT_EQ(tree.count(left), 0U) << left;
    }
    for (const char* kept : {"Label6", "Label13", "Text1", "Text8", "Combo1", "HScroll1",
                             "Command2", "ReportMessage"}) {
        EXPECT_EQ(tree.count(kept), 1U) << kept;
    }
    // 32 labels, the message, 3 lists, 9 fields, the slider, 3 buttons.
    EXPECT_EQ(tree.size(), 49U);

    click(control<QPushButton>("Command3"));
    EXPECT_EQ(accessible(about())->role(), QAccessible::Window);
    EXPECT_EQ(treeOf(about()), (std::set<std::string>{"Label1", "Command1"}));
    EXPECT_EQ(name(control("Command1", about())), "OK");
    EXPECT_FALSE(description(control("Command1", about())).empty());
}

TEST_F(AccessibilityTest, MarkedFieldCarriesItsMessageUntilFixed) {
    QLineEdit* extras = field("Text3");
    const std::string normal = description(extras);
    QWidget* message = label("ReportMessage");
    EXPECT_EQ(accessible(message)->role(), QAccessible::Notification);

    replaceText(extras, "abc");
    click(control<QPushButton>("Command1"));
    EXPECT_EQ(description(extras), "Bitte eine Zahl eingeben, z. B. 1,5");
    EXPECT_TRUE(InvalidEntryBridge::instance().isInvalid(*extras));
    EXPECT_EQ(name(message), "Bitte eine Zahl eingeben, z. B. 1,5");
    EXPECT_NE(description(message), name(message)); // said once, not twice
    EXPECT_FALSE(accessible(message)->state().invisible);
    click(control<QPushButton>("Command1")); // marked by a second run too

    replaceText(extras, "100");
    EXPECT_EQ(description(extras), normal);
    EXPECT_FALSE(InvalidEntryBridge::instance().isInvalid(*extras));
    EXPECT_TRUE(accessible(message)->state().invisible);
}

// Where Qt serves the accessible objects on the accessibility bus.
class QtObjects : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return QStringLiteral("<node/>"); }
    bool handleMessage(const QDBusMessage&, const QDBusConnection&) override { return false; }
};

// A reader started after the first mark: the bridge, made at that mark,
// stands in front of Qt's objects once accessibility comes on, not before;
// told again, it stays in front of them and does not take itself for them.
TEST_F(AccessibilityTest, BridgeStandsInFrontWhenAReaderComesLater) {
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
