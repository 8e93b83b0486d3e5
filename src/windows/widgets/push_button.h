#pragma once

#include <QPushButton>

namespace kelvaro {

// A push button that Enter and the keypad's Enter press when it has the
// focus, as Space does: one click, the same signal as the mouse's. Only the
// focused button reacts; the window has no default button, so Enter
// anywhere else presses nothing.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    PushButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static bool isEnter(const QKeyEvent& event);
};

} // namespace kelvaro
