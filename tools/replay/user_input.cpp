#include "user_input.h"

#include "key_release_watch.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

namespace kelvaro {

namespace {

// Long enough for a window system on a machine under heavy load; a wait
// that runs out means something will not happen at all.
constexpr int kWaitMs = 10000;

// Presses keys on the window system's keyboard; empty for none.
UserInput::SystemKeys systemKeys;

std::string nameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? widget->metaObject()->className()
                                          : widget->objectName().toStdString();
}

} // namespace

void UserInput::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void UserInput::waitFor(const std::string& what, const std::function<bool()>& condition) {
    if (!QTest::qWaitFor(condition, kWaitMs)) {
        throw InputTimeout("waited " + std::to_string(kWaitMs / 1000) + " s in vain for " + what);
    }
}

void UserInput::waitUntilActive(QWidget* window) {
    waitFor(nameOf(window) + " to be shown and active", [window] {
        const QWindow* handle = window->windowHandle();
        return window->isVisible() && handle != nullptr && handle->isExposed() &&
               QApplication::activeWindow() == window;
    });
}

void UserInput::focusInto(QWidget* control) {
    QWidget* window = control->window();
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
    }
    waitUntilActive(window);
    control->setFocus(Qt::MouseFocusReason);
    waitFor("the focus in " + nameOf(control), [control] { return control->hasFocus(); });
    settle();
}

// The text arrives as one input method commit over the selected text: the
// field changes once, as when pasting, without the system's clipboard,
// which a window system may hand to another program at any time.
void UserInput::replaceText(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(edit, &commit);
    }
    settle();
}

bool UserInput::popupShown(QWidget* popup) {
    const QWindow* handle = popup->windowHandle();
    return popup->isVisible() && handle != nullptr && handle->isExposed();
}

void UserInput::chooseFromPopup(QComboBox* combo, int index) {
    QAbstractItemView* view = combo->view();
    QWidget* popup = view->window();
    // A window system may take a popup away again before it is clicked:
    // the user opens it once more.
    for (int attempt = 0; !popupShown(popup); ++attempt) {
        if (attempt == 3) {
            throw InputTimeout("the list " + nameOf(combo) + " did not stay open");
        }
        openPopup(combo);
        try {
            waitFor("the popup of " + nameOf(combo) + " on the screen",
                    [popup] { return popupShown(popup); });
        } catch (const InputTimeout&) {
            if (popup->isVisible()) {
                throw;
            }
        }
    }
    // From here on no event is taken in until the click has landed: the
    // popup is where it was measured.
    const QModelIndex item =
        combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex());
    view->scrollTo(item);
    const QPoint centre = view->visualRect(item).center();
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    waitFor("the popup of " + nameOf(combo) + " to close", [popup] { return !popup->isVisible(); });
    settle();
}

void UserInput::useSystemKeyboard(SystemKeys press) {
    systemKeys = std::move(press);
}

void UserInput::openPopup(QComboBox* combo) {
    if (!systemKeys) {
        combo->showPopup();
        return;
    }
    // The keys go to the control with the focus, the list. They are let go
    // once the compositor has answered the popup, on the screen or taken
    // away: it grants a popup only for its newest input event, which the
    // release would be, and a key held longer would repeat. As a user's
    // hand does, they are up before anything is clicked: a release that
    // arrives with the popup's closing leaves Qt's focus on the closed popup
    // and the main window inactive (Qt 6.11 on Weston).
    QWidget* popup = combo->view()->window();
    bool opened = false;
    const KeyReleaseWatch down(Qt::Key_Down);
    systemKeys("Alt_L+Down", true);
    // No answer in time shows in the caller's wait for the popup.
    static_cast<void>(QTest::qWaitFor(
        [popup, &opened] {
            opened = opened || popup->isVisible();
            return popupShown(popup) || (opened && !popup->isVisible());
        },
        kWaitMs));
    systemKeys("Alt_L+Down", false);
    waitFor("the release of Alt+Down", [&down] { return down.released(); });
}

} // namespace kelvaro
