#pragma once

#include <QAccessibleWidget>

namespace kelvaro {

class ChoiceList;

// An editable list as a reader sees it: named by its label (Qt names a list
// by the text it shows), its value the text it shows, its children the
// popup's items and the text area, and two actions (show menu, press) that
// open or close the popup.
class AccessibleChoiceList : public QAccessibleWidget {
public:
    explicit AccessibleChoiceList(ChoiceList& list);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    ChoiceList& list() const;
};

} // namespace kelvaro
