#include "accessibility/accessible_factory.h"

#include "accessibility/accessible_choice_list.h"
#include "widgets/choice_list.h"
#include "widgets/form_window.h"
#include "widgets/line_widget.h"
#include "widgets/shape_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QLabel>
#include <QMenu>

namespace kelvaro {

namespace {

constexpr const char* kLeftOut = "kelvaroLeftOutOfReaders";
constexpr const char* kNotice = "kelvaroNotice";

// A top-level window of the program as a reader sees it: a window (a frame
// with its caption as name), whose children are its controls without the
// widgets left out of the tree.
class AccessibleFormWindow : public QAccessibleWidget {
public:
    explicit AccessibleFormWindow(FormWindow& window)
        : QAccessibleWidget(&window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override {
        const QWidgetList children = shownChildren();
        if (index < 0 || index >= children.size()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        return static_cast<int>(shownChildren().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QWidgetList shownChildren() const {
        QWidgetList children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            // Other windows, menus and focus frames are no children here for
            // Qt's own widgets either.
            if (child == nullptr || child->isWindow() || qobject_cast<QFocusFrame*>(child) ||
                qobject_cast<QMenu*>(child) || AccessibleFactory::isLeftOut(*child)) {
                continue;
            }
            children.append(child);
        }
        return children;
    }
};

// A message that readers announce when it appears: a notification whose
// name is the message itself.
class AccessibleNotice : public QAccessibleWidget {
public:
    explicit AccessibleNotice(QLabel& label)
        : QAccessibleWidget(&label, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* create(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (AccessibleFactory::isLeftOut(*widget)) {
        // Not in the tree; a bare interface also keeps its text changes
        // from being sent to the readers.
        return new QAccessibleWidget(widget, QAccessible::Client);
    }
    if (auto* window = qobject_cast<FormWindow*>(widget)) {
        return new AccessibleFormWindow(*window);
    }
    if (auto* list = qobject_cast<ChoiceList*>(widget)) {
        return new AccessibleChoiceList(*list);
    }
    auto* label = qobject_cast<QLabel*>(widget);
    if (label != nullptr && label->property(kNotice).toBool()) {
        return new AccessibleNotice(*label);
    }
    return nullptr;
}

} // namespace

void AccessibleFactory::install() {
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(&create);
}

void AccessibleFactory::leaveOut(QWidget& widget) {
    widget.setProperty(kLeftOut, true);
}

bool AccessibleFactory::isLeftOut(const QWidget& widget) {
    // Lines, frames and bars tell a screen reader nothing.
    const bool drawing = qobject_cast<const LineWidget*>(&widget) != nullptr ||
                         qobject_cast<const ShapeWidget*>(&widget) != nullptr;
    return drawing || widget.property(kLeftOut).toBool();
}

void AccessibleFactory::makeNotice(QLabel& label) {
    label.setProperty(kNotice, true);
}

} // namespace kelvaro
