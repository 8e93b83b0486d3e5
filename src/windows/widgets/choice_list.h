#pragma once

#include <QComboBox>

#include <functional>

namespace kelvaro {

// An editable drop-down list whose text area chooses nothing. Qt selects the
// item that matches the typed text when the editing finishes (Enter, or the
// focus leaving) and reports it as activated; this list keeps the chosen item
// and the typed text instead. chosen() is raised only when the user picks an
// item: from the popup, with the arrow keys or with the wheel, the item
// already chosen included. The popup opens on the item whose text the field
// shows, so that the arrow keys move on from there; opening it chooses
// nothing.
class ChoiceList : public QComboBox {
    Q_OBJECT

public:
    explicit ChoiceList(QWidget* parent);

    void showPopup() override;

signals:
    void chosen(int index);

private:
    void finishEditing(const std::function<void()>& deliver);
    void onActivated(int index);
    void highlightShownItem();

    bool finishingEdit_ = false;
};

} // namespace kelvaro
