#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace kelvaro {

// A message that readers announce when it appears: a notification whose
// name is the message itself.
class AccessibleNotice : public QAccessibleWidget {
public:
    explicit AccessibleNotice(QLabel& label);

    QString text(QAccessible::Text t) const override;
};

} // namespace kelvaro
