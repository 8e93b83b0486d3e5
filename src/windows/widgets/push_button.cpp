#include "widgets/push_button.h"

#include <QKeyEvent>

namespace kelvaro {

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // Qt lets Enter press an "auto default" button, but only as part of a
    // dialog's default-button scheme, which these windows do not have.
    setAutoDefault(false);
    setDefault(false);
}

bool PushButton::isEnter(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    if (!isEnter(*event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // A held key presses once, as a held Space does.
    if (!event->isAutoRepeat()) {
        click();
    }
    event->accept();
}

} // namespace kelvaro
