#include "gui_backend.h"

#include "user_input.h"
#if defined(KELVARO_REPLAY_XTEST)
#include "system_keyboard.h"
#endif

#include "binding/gui.h"
#include "frame/wayland_frame.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <utility>

namespace kelvaro {

namespace {

void settle() {
    UserInput::settle();
}

// The key a keyboard would send for a printable ASCII character; other
// characters arrive as text alone, as from an input method.
Qt::Key keyFor(const QString& character) {
    if (character.size() != 1) {
        return Qt::Key_unknown;
    }
    const char16_t c = character.front().toUpper().unicode();
    if (c >= 0x20 && c < 0x7F) {
        return static_cast<Qt::Key>(c);
    }
    return Qt::Key_unknown;
}

void typeText(QWidget* target, const std::string& text) {
    for (const std::string& character : charactersOf(text)) {
        const QString typed = QString::fromStdString(character);
        QTest::sendKeyEvent(QTest::Click, target, keyFor(typed), typed, Qt::NoModifier);
    }
}

template <class Widget> Widget* childOf(const QWidget* window, const std::string& name) {
    auto* widget = window ? window->findChild<Widget*>(QString::fromStdString(name)) : nullptr;
    if (widget == nullptr) {
        throw std::logic_error("kelvaro-replay: the windows have no control " + name);
    }
    return widget;
}

// "x11": the keyboard of the X display (where a nested compositor's window
// has the X keyboard focus).
void useSystemKeyboard(const QString& which) {
    if (which.isEmpty()) {
        return;
    }
#if defined(KELVARO_REPLAY_XTEST)
    if (which == QLatin1String("x11")) {
        auto keyboard = std::make_shared<SystemKeyboard>();
        UserInput::useSystemKeyboard(
            [keyboard](const std::string& keys, bool down) { keyboard->press(keys, down); });
        return;
    }
#endif
    throw std::runtime_error("no system keyboard \"" + which.toStdString() + "\"");
}

} // namespace

GuiBackend::GuiBackend(int& argc, char** argv, NumberFormat numbers) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    app_ = std::make_unique<QApplication>(argc, argv);
    useSystemKeyboard(qEnvironmentVariable("KELVARO_REPLAY_KEYBOARD"));
    // The windows in the frame the program gives them.
    WaylandFrame::choose(QStringLiteral(KELVARO_PLUGIN_DIR));
    // The application object takes the C library's locale from the
    // environment; the dump writes its widths with a point whatever it is.
    std::setlocale(LC_NUMERIC, "C");
    program_ = std::make_unique<Program>(std::move(numbers));
    gui_ = std::make_unique<Gui>(*program_);
    gui_->start();
    settle();
    awaitShownWindow();
}

GuiBackend::~GuiBackend() {
    UserInput::useSystemKeyboard({});
    gui_.reset();
    program_.reset();
    app_.reset();
}

QWidget* GuiBackend::form1() const {
    return gui_->form1();
}

QWidget* GuiBackend::about() const {
    return gui_->about();
}

QLineEdit* GuiBackend::field(const std::string& name) const {
    return childOf<QLineEdit>(form1(), name);
}

QComboBox* GuiBackend::list(const std::string& name) const {
    return childOf<QComboBox>(form1(), name);
}

// The user brings the window forward and clicks into the control.
void GuiBackend::focus(QWidget* widget) const {
    UserInput::focusInto(widget);
}

// After an action that shows or hides a window, the user waits until the
// window that the program shows now is on the screen and has the keyboard.
void GuiBackend::awaitShownWindow() const {
    if (program_->lifeCycle.ended()) {
        return;
    }
    QWidget* shown = program_->form.window.visible() ? form1()
                     : program_->about.visible()     ? about()
                                                     : nullptr;
    if (shown != nullptr) {
        UserInput::waitUntilActive(shown);
    }
}

void GuiBackend::set(const std::string& name, const std::string& text) {
    QLineEdit* edit = field(name);
    focus(edit);
    UserInput::replaceText(edit, QString::fromStdString(text));
}

void GuiBackend::keys(const std::string& name, const std::string& text) {
    QLineEdit* edit = field(name);
    focus(edit);
    QTest::keyClick(edit, Qt::Key_End);
    typeText(edit, text);
    settle();
}

void GuiBackend::backspace(const std::string& name, int times) {
    QLineEdit* edit = field(name);
    focus(edit);
    QTest::keyClick(edit, Qt::Key_End);
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    settle();
}

// Opens the list and clicks the item in it, as with the mouse.
void GuiBackend::choose(const std::string& name, int index) {
    QComboBox* combo = list(name);
    focus(combo);
    UserInput::chooseFromPopup(combo, index);
}

// Replaces the text in the list's text area by typing, then presses Enter.
void GuiBackend::edit(const std::string& name, const std::string& text) {
    QLineEdit* edit = list(name)->lineEdit();
    focus(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.empty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    }
    typeText(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
    settle();
}

// Drags the slider's handle to the value and lets go.
void GuiBackend::slide(int value) {
    auto* slider = childOf<QScrollBar>(form1(), "HScroll1");
    slider->setSliderDown(true);
    slider->setSliderPosition(value);
    slider->setSliderDown(false);
    settle();
}

void GuiBackend::click(const std::string& button) {
    QPushButton* target = button == "About.Command1" ? childOf<QPushButton>(about(), "Command1")
                                                     : childOf<QPushButton>(form1(), button);
    QTest::mouseClick(target, Qt::LeftButton);
    settle();
    awaitShownWindow();
}

void GuiBackend::close(const std::string& window) {
    QWidget* target = window == "Form1" ? form1() : about();
    target->close();
    settle();
    awaitShownWindow();
}

bool GuiBackend::windowShown(const Window& window) const {
    const QWidget* widget = &window == &program_->form.window ? form1() : about();
    return widget != nullptr && widget->isVisible();
}

std::string GuiBackend::boxText(const TextBox& box) const {
    return field(box.name())->text().toStdString();
}

int GuiBackend::sliderValue(const ScrollBar& slider) const {
    return childOf<QScrollBar>(form1(), slider.name())->value();
}

int GuiBackend::sliderMax(const ScrollBar& slider) const {
    return childOf<QScrollBar>(form1(), slider.name())->maximum();
}

int GuiBackend::listIndex(const ComboBox& combo) const {
    return list(combo.name())->currentIndex();
}

std::string GuiBackend::listText(const ComboBox& combo) const {
    return list(combo.name())->lineEdit()->text().toStdString();
}

std::string GuiBackend::caption(const Label& label) const {
    return childOf<QLabel>(form1(), label.name())->text().toStdString();
}

double GuiBackend::barWidth(const Shape& bar) const {
    return childOf<QWidget>(form1(), bar.name())->property("widthTwips").toDouble();
}

bool GuiBackend::barShown(const Shape& bar) const {
    return !childOf<QWidget>(form1(), bar.name())->isHidden();
}

} // namespace kelvaro

std::unique_ptr<kelvaro::ReplayBackend> makeGuiBackend(int& argc, char** argv,
                                                       kelvaro::NumberFormat numbers) {
    return std::make_unique<kelvaro::GuiBackend>(argc, argv, std::move(numbers));
}

// Everything is printed. On Wayland the process ends here: Qt 6.4's Wayland
// client now and then did not come back from taking its connection down, on
// a heavily loaded machine after the whole output was printed; the windows'
// teardown is not what a replay checks. Elsewhere they are torn down in
// order.
void endGuiRun(std::unique_ptr<kelvaro::ReplayBackend> backend, int status) {
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::cout.flush();
        std::fflush(nullptr);
        std::_Exit(status);
    }
    backend.reset();
}
