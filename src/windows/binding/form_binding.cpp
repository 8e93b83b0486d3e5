#include "binding/form_binding.h"

#include "binding/connect_while_alive.h"
#include "binding/widget_sync.h"
#include "layout/form1_layout.h"
#include "widgets/choice_list.h"
#include "widgets/shape_widget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <functional>
#include <stdexcept>

namespace kelvaro {

namespace {

// Shows the core control in its widget now and after every change while the
// widget exists.
template <typename Widget, typename Show> void mirror(Event& event, Widget* widget, Show show) {
    show(*widget);
    connectWhileAlive(event, *widget, [widget, show] { show(*widget); });
}

} // namespace

FormBinding::FormBinding(Program& program, QWidget& form1) : program_(program), form1_(&form1) {
    bindTextBoxes();
    bindComboBoxes();
    bindScrollBar();
    bindLabels();
    bindShapes();
    bindButtons();
}

// The core's controls of one kind, in the order of the layout's rows.
template <typename Control, typename Lookup>
std::vector<Control*> FormBinding::held(ControlKind kind, Lookup lookup) const {
    std::vector<Control*> controls;
    for (const ControlLayout& row : form1Controls()) {
        if (row.kind != kind) {
            continue;
        }
        if (Control* control = std::invoke(lookup, program_.form, row.name)) {
            controls.push_back(control);
        }
    }
    return controls;
}

template <typename Widget> Widget* FormBinding::find(const std::string& name) const {
    auto* widget = form1_->findChild<Widget*>(widget_sync::toQString(name));
    if (widget == nullptr) {
        throw std::logic_error("Form1 has no widget " + name);
    }
    return widget;
}

void FormBinding::bindTextBoxes() {
    for (TextBox* box : held<TextBox>(ControlKind::TextBox, &Form1::textBox)) {
        auto* edit = find<QLineEdit>(box->name());
        mirror(box->change, edit, [box](QLineEdit& e) { widget_sync::show(*box, e); });
        QObject::connect(edit, &QLineEdit::textEdited,
                         [box](const QString& text) { box->setText(text.toStdString()); });
    }
}

void FormBinding::bindComboBoxes() {
    for (ComboBox* combo : held<ComboBox>(ControlKind::ComboBox, &Form1::comboBox)) {
        auto* widget = find<ChoiceList>(combo->name());
        mirror(combo->changed, widget, [combo](ChoiceList& w) { widget_sync::show(*combo, w); });
        QObject::connect(widget, &ChoiceList::chosen, [combo](int index) { combo->choose(index); });
        QObject::connect(widget->lineEdit(), &QLineEdit::textEdited,
                         [combo](const QString& text) { combo->editText(text.toStdString()); });
    }
}

void FormBinding::bindScrollBar() {
    ScrollBar& bar = program_.form.minutesSlider;
    auto* widget = find<QScrollBar>(bar.name());
    const auto show = [&bar](QScrollBar& w) { widget_sync::show(bar, w); };
    mirror(bar.change, widget, show);
    connectWhileAlive(bar.rangeChanged, *widget, [widget, show] { show(*widget); });
    QObject::connect(widget, &QScrollBar::valueChanged, [&bar](int value) { bar.setValue(value); });
}

void FormBinding::bindLabels() {
    // The resolution, and the sizes in MB.
    const Label* resolution = &program_.form.resolution;
    for (Label* label : held<Label>(ControlKind::Label, &Form1::label)) {
        if (label == resolution) {
            mirror(label->changed, find<QLabel>(label->name()),
                   [label](QLabel& w) { widget_sync::show(*label, w); });
        } else {
            mirror(label->changed, find<QLabel>(label->name()),
                   [label](QLabel& w) { widget_sync::showSize(*label, w); });
        }
    }
}

void FormBinding::bindShapes() {
    for (Shape* shape : held<Shape>(ControlKind::Bar, &Form1::shape)) {
        mirror(shape->changed, find<ShapeWidget>(shape->name()),
               [shape](ShapeWidget& w) { widget_sync::show(*shape, w); });
    }
}

void FormBinding::bindButtons() {
    Program& p = program_;
    QObject::connect(find<QPushButton>("Command1"), &QPushButton::clicked,
                     [&p] { p.calculation.Form1_Command1_Click(); });
    QObject::connect(find<QPushButton>("Command2"), &QPushButton::clicked,
                     [&p] { p.lifeCycle.Form1_Command2_Click(); });
    QObject::connect(find<QPushButton>("Command3"), &QPushButton::clicked,
                     [&p] { p.lifeCycle.Form1_Command3_Click(); });
}

} // namespace kelvaro
