#include "accessibility/spoken_caption.h"

#include <QLabel>
#include <QVariant>

namespace kelvaro {

namespace {

constexpr const char* kSpokenCaption = "spokenCaption";

} // namespace

void SpokenCaption::give(QLabel& label, const QString& text) {
    label.setProperty(kSpokenCaption, text);
    follow(label);
}

void SpokenCaption::follow(QLabel& label) {
    const QVariant spoken = label.property(kSpokenCaption);
    if (!spoken.isValid()) {
        return;
    }
    const QString name = spoken.toString().arg(label.text());
    if (label.accessibleName() != name) {
        label.setAccessibleName(name);
    }
}

} // namespace kelvaro
