#pragma once

#include <functional>
#include <stdexcept>
#include <string>

class QComboBox;
class QString;
class QLineEdit;
class QWidget;

namespace kelvaro {

// A wait for the windows that did not end in time: the machine or the
// window system did not do what a user waits for.
class InputTimeout : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// User actions on the real widgets that both the replay tool and the window
// tests perform the same way. Each waits, as a user does, until what it acts
// on is there: the window shown and active, the focus in the control, the
// list's popup on the screen. Every wait is bounded and throws InputTimeout
// when it runs out.
class UserInput {
public:
    // Lets the windows take in what an action caused before the next one.
    static void settle();

    // Waits until the condition holds; `what` names it in the failure.
    static void waitFor(const std::string& what, const std::function<bool()>& condition);

    // Waits until the window is on the screen and has the keyboard.
    static void waitUntilActive(QWidget* window);

    // Brings the control's window forward and puts the focus into it.
    static void focusInto(QWidget* control);

    // Replaces the whole text of the field in one edit, as pasting does.
    static void replaceText(QLineEdit* edit, const QString& text);

    // Opens the list and clicks the item in its popup, as with the mouse.
    static void chooseFromPopup(QComboBox* combo, int index);

    // A window system that opens a popup only for an input event of its own
    // (a Wayland compositor) never opens one for Qt's events. Given a way to
    // press keys on the window system's keyboard (KEYS as X key names joined
    // by "+", pressed when DOWN, let go otherwise), a list is opened as a
    // user does with the keyboard: Alt+Down held on the list until its popup
    // is on the screen. Empty: with Qt's events alone.
    using SystemKeys = std::function<void(const std::string& keys, bool down)>;
    static void useSystemKeyboard(SystemKeys press);

private:
    static bool popupShown(QWidget* popup);
    static void openPopup(QComboBox* combo);
};

} // namespace kelvaro
