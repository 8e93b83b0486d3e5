#pragma once

#include "handlers/program.h"
#include "layout/layout_table.h"

#include <QPointer>
#include <QWidget>

#include <vector>

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
    template <typename Control, typename Lookup>
    std::vector<Control*> held(ControlKind kind, Lookup lookup) const;

    Program& program_;
    QPointer<QWidget> form1_;
};

} // namespace kelvaro
