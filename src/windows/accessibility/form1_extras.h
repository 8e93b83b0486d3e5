#pragma once

class QWidget;

namespace kelvaro {

// What the main window offers beyond its layout without changing it: the
// result fields read-only but selectable, the slider in the tab order, the
// fields below the client area out of it and out of the screen readers'
// tree, and accessible names and German descriptions for every input, result
// and button.
class Form1Extras {
public:
    static void apply(QWidget& form1);

private:
    static void makeResultsReadOnly(QWidget& form1);
    static void setFocusPolicies(QWidget& form1);
    static void describe(QWidget& form1);
    static void leaveOutOfReaders(QWidget& form1);
};

} // namespace kelvaro
