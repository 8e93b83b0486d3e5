#pragma once

#include "handlers/program.h"

#include <QObject>

#include <memory>

class QWidget;

namespace kelvaro {

class FormBinding;
class FormWindow;
class MarkPresenter;

// The Qt windows of the program, bound to its core. The caller creates the
// QApplication and runs its event loop.
class Gui {
public:
    explicit Gui(Program& program);
    ~Gui();
    Gui(const Gui&) = delete;
    Gui& operator=(const Gui&) = delete;

    // Runs the load handler, shows the main window and puts the focus on Text1.
    void start();

    QWidget* form1() const;
    // nullptr until the About window is first shown.
    QWidget* about() const;

private:
    void connectWindows();
    void showForm1();
    void giveKeyboardBack();
    void showAbout();
    void createAbout();

    Program& program_;
    std::unique_ptr<FormWindow> form1_;
    std::unique_ptr<FormWindow> about_;
    std::unique_ptr<FormBinding> binding_;
    std::unique_ptr<MarkPresenter> marks_;
    // Whether the focus frame showed when About was opened, or in About.
    bool keyboardCues_ = false;
    // The context of the connections to the core's events: the first member
    // to go, it ends them before the rest of the Gui.
    QObject alive_;
};

} // namespace kelvaro
