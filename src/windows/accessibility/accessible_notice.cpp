#include "accessible_notice.h"

#include <QLabel>

namespace kelvaro {

AccessibleNotice::AccessibleNotice(QLabel& label)
    : QAccessibleWidget(&label, QAccessible::Notification) {}

QString AccessibleNotice::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return static_cast<QLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(t);
}

} // namespace kelvaro
