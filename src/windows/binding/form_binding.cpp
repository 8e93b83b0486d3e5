#include "form_binding.h"

#include "choice_list.h"
#include "shape_widget.h"
#include "widget_sync.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <stdexcept>

namespace kelvaro {

namespace {

// Runs fn with the widget while it exists.
template <typename Widget, typename Fn> auto whileAlive(Widget* widget, Fn fn) {
    return [guard = QPointer<Widget>(widget), fn] {
        if (!guard.isNull()) {
            fn(*guard);
        }
    };
}

// Shows the core control in its widget now and after every change.
template <typename Widget, typename Show> void mirror(Event& event, Widget* widget, Show show) {
    show(*widget);
    event.connect(whileAlive(widget, show));
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

template <typename Widget> Widget* FormBinding::find(const std::string& name) const {
    auto* widget = form1_->findChild<Widget*>(widget_sync::toQString(name));
    if (widget == nullptr) {
        throw std::logic_error("Form1 has no widget " + name);
    }
    return widget;
}

void FormBinding::bindTextBoxes() {
    for (int number = 1; number <= 20; ++number) {
        TextBox* box = program_.form.textBox("Text" + std::to_string(number));
        if (box == nullptr) {
            continue;
        }
        auto* edit = find<QLineEdit>(box->name());
        mirror(box->change, edit, [box](QLineEdit& e) { widget_sync::show(*box, e); });
        QObject::connect(edit, &QLineEdit::textEdited,
                         [box](const QString& text) { box->setText(text.toStdString()); });
    }
}

void FormBinding::bindComboBoxes() {
    for (const char* name : {"Combo1", "Combo2", "Combo3"}) {
        ComboBox* combo = program_.form.comboBox(name);
        auto* widget = find<ChoiceList>(name);
        mirror(combo->changed, widget, [combo](ChoiceList& w) { widget_sync::show(*combo, w); });
        QObject::connect(widget, &ChoiceList::chosen, [combo](int index) { combo->choose(index); });
        QObject::connect(widget->lineEdit(), &QLineEdit::textEdited,
                         [combo](const QString& text) { combo->editText(text.toStdString()); });
    }
}

void FormBinding::bindScrollBar() {
    ScrollBar& bar = program_.form.HScroll1;
    auto* widget = find<QScrollBar>(bar.name());
    const auto show = [&bar](QScrollBar& w) { widget_sync::show(bar, w); };
    mirror(bar.change, widget, show);
    bar.rangeChanged.connect(whileAlive(widget, show));
    QObject::connect(widget, &QScrollBar::valueChanged, [&bar](int value) { bar.setValue(value); });
}

void FormBinding::bindLabels() {
    Label& resolution = program_.form.Label8;
    mirror(resolution.changed, find<QLabel>(resolution.name()),
           [&resolution](QLabel& w) { widget_sync::show(resolution, w); });
    for (const char* name : {"Label13", "Label22", "Label29", "Label26"}) {
        Label* label = program_.form.label(name);
        mirror(label->changed, find<QLabel>(name),
               [label](QLabel& w) { widget_sync::showSize(*label, w); });
    }
}

void FormBinding::bindShapes() {
    for (const char* name : {"Shape1", "Shape2", "Shape3", "Shape6", "Shape7", "Shape8"}) {
        Shape* shape = program_.form.shape(name);
        mirror(shape->changed, find<ShapeWidget>(name),
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
