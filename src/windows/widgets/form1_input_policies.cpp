#include "widgets/form1_input_policies.h"

#include "layout/form1_layout.h"

#include <QLineEdit>
#include <QScrollBar>

namespace kelvaro {

namespace {

constexpr const char* kResults[] = {"Text8", "Text12", "Text13"};

QWidget* child(QWidget& form1, const char* name) {
    return form1.findChild<QWidget*>(QString::fromLatin1(name));
}

} // namespace

void Form1InputPolicies::apply(QWidget& form1) {
    makeResultsReadOnly(form1);
    setFocusPolicies(form1);
}

void Form1InputPolicies::makeResultsReadOnly(QWidget& form1) {
    for (const char* name : kResults) {
        if (auto* edit = qobject_cast<QLineEdit*>(child(form1, name))) {
            edit->setReadOnly(true);
        }
    }
}

void Form1InputPolicies::setFocusPolicies(QWidget& form1) {
    if (auto* slider = qobject_cast<QScrollBar*>(child(form1, "HScroll1"))) {
        slider->setFocusPolicy(Qt::StrongFocus);
    }
    for (const char* name : form1WorkingFields()) {
        if (QWidget* field = child(form1, name)) {
            field->setFocusPolicy(Qt::NoFocus);
        }
    }
}

} // namespace kelvaro
