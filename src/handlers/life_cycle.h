#pragma once

#include "calc/form1.h"
#include "runtime/event.h"
#include "runtime/window.h"

namespace kelvaro {

// Start-up, the About window and the end of the program.
class LifeCycle {
public:
    LifeCycle(Form1& form, Window& about) : form_(form), about_(about) {}

    // Creates nothing: the fields exist. Runs the load handler, then shows
    // the main window.
    void start();

    void Form1_Form_Load();
    void Form1_Command2_Click() { end(); }
    void Form1_Command3_Click();
    void About_Command1_Click();

    // Closing a window through its frame: the main window ends the program,
    // the About window does what "OK" does.
    void closeForm1() { end(); }
    void closeAbout() { About_Command1_Click(); }

    bool ended() const { return ended_; }
    // Raised once, when the program ends.
    Event programEnded;

private:
    void end();

    Form1& form_;
    Window& about_;
    bool ended_ = false;
};

} // namespace kelvaro
