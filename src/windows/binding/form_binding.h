#pragma once

#include "handlers/program.h"

#include <QPointer>
#include <QWidget>

namespace kelvaro {

// Binds the widgets of the main window to the core's controls: user input
// goes into the core, and every change in the core is copied into its widget
// inside the same call. The slots only forward.
class FormBinding {
public:
    FormBinding(Program& program, QWidget& form1);

private:
    void bindTextBoxes();
    void bindComboBoxes();
    void bindScrollBar();
    void bindLabels();
    void bindShapes();
    void bindButtons();

    template <typename Widget> Widget* find(const std::string& name) const;

    Program& program_;
    QPointer<QWidget> form1_;
};

} // namespace kelvaro
