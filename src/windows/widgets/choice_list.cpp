#include "widgets/choice_list.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <utility>

namespace kelvaro {

namespace {

using Finish = std::function<void(const std::function<void()>&)>;

// The list's text area: Enter and the focus leaving finish the editing,
// whether the list forwards the event or it arrives here directly.
class FinishingEdit : public QLineEdit {
public:
    FinishingEdit(QWidget* parent, Finish finish) : QLineEdit(parent), finish_(std::move(finish)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        finish_([&] { QLineEdit::keyPressEvent(event); });
    }

    void focusOutEvent(QFocusEvent* event) override {
        finish_([&] { QLineEdit::focusOutEvent(event); });
    }

private:
    Finish finish_;
};

} // namespace

ChoiceList::ChoiceList(QWidget* parent) : QComboBox(parent) {
    // Its own text area makes the list editable.
    setLineEdit(new FinishingEdit(
        this, [this](const std::function<void()>& deliver) { finishEditing(deliver); }));
    connect(this, &QComboBox::activated, this, &ChoiceList::onActivated);
}

void ChoiceList::finishEditing(const std::function<void()>& deliver) {
    const int index = currentIndex();
    const QString text = lineEdit()->text();
    const int cursor = lineEdit()->cursorPosition();
    finishingEdit_ = true;
    deliver();
    finishingEdit_ = false;
    if (currentIndex() == index && lineEdit()->text() == text) {
        return;
    }
    const QSignalBlocker listBlocker(this);
    const QSignalBlocker editBlocker(lineEdit());
    setCurrentIndex(index);
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(cursor);
}

void ChoiceList::showPopup() {
    QComboBox::showPopup();
    highlightShownItem();
}

// Makes the item that the field shows the popup's current row, without
// choosing it; a text that names no item leaves the row Qt picked. The view
// scrolls to a new current row by itself.
void ChoiceList::highlightShownItem() {
    const int row = findText(lineEdit()->text(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row < 0 || !view()->isVisible()) {
        return;
    }
    const QModelIndex item = model()->index(row, modelColumn(), rootModelIndex());
    view()->selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
}

void ChoiceList::onActivated(int index) {
    if (!finishingEdit_) {
        emit chosen(index);
    }
}

} // namespace kelvaro
