#pragma once

#include "runtime/combo_box.h"
#include "runtime/label.h"
#include "runtime/scroll_bar.h"
#include "runtime/shape.h"
#include "runtime/text_box.h"

#include <QString>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace kelvaro {

class ShapeWidget;

// Copies the state of a core control into its widget, with the widget's
// signals blocked, so that nothing flows back into the core.
namespace widget_sync {

QString toQString(const std::string& text);

// The cursor stays where it was when the text did not change, goes behind
// the inserted part when the text only grew at the cursor, stays at the end
// when it was there, and otherwise goes to the start, so that a text
// replaced as a whole shows from its beginning.
int cursorAfter(const QString& old, int cursor, const QString& text);
void showText(QLineEdit& edit, const QString& text);

void show(const TextBox& box, QLineEdit& edit);
void show(const ComboBox& combo, QComboBox& widget);
void show(const ScrollBar& bar, QScrollBar& widget);
// A label with a spoken caption is renamed for screen readers as well.
void show(const Label& label, QLabel& widget);
// A size caption may be wider than its label: the tool tip shows it whole.
void showSize(const Label& label, QLabel& widget);
void show(const Shape& shape, ShapeWidget& widget);

} // namespace widget_sync

} // namespace kelvaro
