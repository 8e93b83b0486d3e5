#include "widgets/form1_input_policies.h"

#include "layout/form1_layout.h"
#include "widgets/form_window.h"

#include <QLineEdit>
#include <QScrollBar>

namespace kelvaro {

void Form1InputPolicies::apply(QWidget& form1) {
    makeResultsReadOnly(form1);
    setFocusPolicies(form1);
}

void Form1InputPolicies::makeResultsReadOnly(QWidget& form1) {
    for (const char* name : kForm1ResultBoxes) {
        if (auto* edit = qobject_cast<QLineEdit*>(controlNamed(form1, name))) {
            edit->setReadOnly(true);
        }
    }
}

void Form1InputPolicies::setFocusPolicies(QWidget& form1) {
    if (auto* slider = qobject_cast<QScrollBar*>(controlNamed(form1, "HScroll1"))) {
        slider->setFocusPolicy(Qt::StrongFocus);
    }
    for (const char* name : form1WorkingFields()) {
        if (QWidget* field = controlNamed(form1, name)) {
            field->setFocusPolicy(Qt::NoFocus);
        }
    }
}

} // namespace kelvaro
