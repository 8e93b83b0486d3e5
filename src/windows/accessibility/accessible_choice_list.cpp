#include "accessibility/accessible_choice_list.h"

#include "widgets/choice_list.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace kelvaro {

AccessibleChoiceList::AccessibleChoiceList(ChoiceList& list)
    : QAccessibleWidget(&list, QAccessible::ComboBox) {}

ChoiceList& AccessibleChoiceList::list() const {
    return *static_cast<ChoiceList*>(widget());
}

int AccessibleChoiceList::childCount() const {
    return 2;
}

QAccessibleInterface* AccessibleChoiceList::child(int index) const {
    switch (index) {
    case 0:
        return QAccessible::queryAccessibleInterface(list().view());
    case 1:
        return QAccessible::queryAccessibleInterface(list().lineEdit());
    default:
        return nullptr;
    }
}

int AccessibleChoiceList::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) {
        return -1;
    }
    if (child->object() == list().view()) {
        return 0;
    }
    return child->object() == list().lineEdit() ? 1 : -1;
}

QString AccessibleChoiceList::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return list().lineEdit()->text();
    }
    return QAccessibleWidget::text(t);
}

QStringList AccessibleChoiceList::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    names.prepend(pressAction());
    names.prepend(showMenuAction());
    return names;
}

void AccessibleChoiceList::doAction(const QString& actionName) {
    if (actionName != showMenuAction() && actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (list().view()->isVisible()) {
        list().hidePopup();
    } else {
        list().showPopup();
    }
}

} // namespace kelvaro
