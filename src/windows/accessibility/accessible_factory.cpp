#include "accessible_factory.h"

#include "accessible_choice_list.h"
#include "accessible_form_window.h"
#include "accessible_notice.h"
#include "choice_list.h"
#include "form_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace kelvaro {

namespace {

constexpr const char* kLeftOut = "kelvaroLeftOutOfReaders";
constexpr const char* kNotice = "kelvaroNotice";

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
    return widget.property(kLeftOut).toBool();
}

void AccessibleFactory::makeNotice(QLabel& label) {
    label.setProperty(kNotice, true);
}

} // namespace kelvaro
