#pragma once

class QWidget;

namespace kelvaro {

// How the main window's controls take input beyond their layout: the result
// fields read-only but selectable, the slider in the tab order, and the
// working fields below the client area out of it.
class Form1InputPolicies {
public:
    static void apply(QWidget& form1);

private:
    static void makeResultsReadOnly(QWidget& form1);
    static void setFocusPolicies(QWidget& form1);
};

} // namespace kelvaro
