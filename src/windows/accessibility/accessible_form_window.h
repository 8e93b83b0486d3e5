#pragma once

#include <QAccessibleWidget>
#include <QWidgetList>

namespace kelvaro {

class FormWindow;

// A top-level window of the program as a reader sees it: a window (a frame
// with its caption as name), whose children are its controls without the
// widgets left out of the tree.
class AccessibleFormWindow : public QAccessibleWidget {
public:
    explicit AccessibleFormWindow(FormWindow& window);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QWidgetList shownChildren() const;
};

} // namespace kelvaro
