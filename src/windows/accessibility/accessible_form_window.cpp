#include "accessible_form_window.h"

#include "accessible_factory.h"
#include "form_window.h"

#include <QFocusFrame>
#include <QMenu>

namespace kelvaro {

AccessibleFormWindow::AccessibleFormWindow(FormWindow& window)
    : QAccessibleWidget(&window, QAccessible::Window) {}

QWidgetList AccessibleFormWindow::shownChildren() const {
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

int AccessibleFormWindow::childCount() const {
    return static_cast<int>(shownChildren().size());
}

QAccessibleInterface* AccessibleFormWindow::child(int index) const {
    const QWidgetList children = shownChildren();
    if (index < 0 || index >= children.size()) {
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(children.at(index));
}

int AccessibleFormWindow::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) {
        return -1;
    }
    return static_cast<int>(shownChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

} // namespace kelvaro
