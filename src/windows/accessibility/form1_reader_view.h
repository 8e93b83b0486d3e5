#pragma once

class QWidget;

namespace kelvaro {

// The main window as a screen reader gets it beyond its layout: accessible
// names and German descriptions for every input, result and button, and the
// working fields below the client area left out of the tree.
class Form1ReaderView {
public:
    static void apply(QWidget& form1);

private:
    static void describe(QWidget& form1);
    static void leaveOutWorkingFields(QWidget& form1);
};

} // namespace kelvaro
