#include "binding/widget_sync.h"

#include "accessibility/spoken_caption.h"
#include "widgets/shape_widget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

namespace kelvaro::widget_sync {

namespace {

// The leading items whose texts agree stay (their data brought up to date),
// the rest is replaced: filling a list item by item appends, it does not
// rebuild the whole list on every item.
void showItems(const ComboBox& combo, QComboBox& widget) {
    const auto& items = combo.items();
    const int count = static_cast<int>(items.size());
    int kept = 0;
    while (kept < count && kept < widget.count() &&
           widget.itemText(kept) == toQString(items[static_cast<std::size_t>(kept)].text)) {
        ++kept;
    }
    while (widget.count() > kept) {
        widget.removeItem(widget.count() - 1);
    }
    for (int i = 0; i < count; ++i) {
        const auto& item = items[static_cast<std::size_t>(i)];
        if (i >= kept) {
            widget.addItem(toQString(item.text), item.data);
        } else if (widget.itemData(i).toInt() != item.data) {
            widget.setItemData(i, item.data);
        }
    }
}

} // namespace

QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int cursorAfter(const QString& old, int cursor, const QString& text) {
    if (old == text) {
        return cursor;
    }
    const auto grown = text.size() - old.size();
    const bool grewAtCursor =
        grown > 0 && text.startsWith(old.left(cursor)) && text.endsWith(old.mid(cursor));
    if (grewAtCursor) {
        return cursor + static_cast<int>(grown);
    }
    return cursor == old.size() ? static_cast<int>(text.size()) : 0;
}

void showText(QLineEdit& edit, const QString& text) {
    if (edit.text() == text) {
        return;
    }
    // A result nobody types in shows its start, where a figure is read from,
    // also when the text is wider than its box.
    const int cursor =
        edit.isReadOnly() ? 0 : cursorAfter(edit.text(), edit.cursorPosition(), text);
    const QSignalBlocker blocker(edit);
    edit.setText(text);
    edit.setCursorPosition(cursor);
}

void show(const TextBox& box, QLineEdit& edit) {
    showText(edit, toQString(box.text()));
}

void show(const ComboBox& combo, QComboBox& widget) {
    const QSignalBlocker blocker(widget);
    QLineEdit& edit = *widget.lineEdit();
    const QString text = toQString(combo.text());
    const int cursor = cursorAfter(edit.text(), edit.cursorPosition(), text);
    showItems(combo, widget);
    if (widget.currentIndex() != combo.listIndex()) {
        widget.setCurrentIndex(combo.listIndex());
    }
    const QSignalBlocker editBlocker(edit);
    if (edit.text() != text) {
        edit.setText(text);
    }
    edit.setCursorPosition(cursor);
}

void show(const ScrollBar& bar, QScrollBar& widget) {
    const QSignalBlocker blocker(widget);
    widget.setRange(bar.min(), bar.max());
    widget.setValue(bar.value());
}

void show(const Label& label, QLabel& widget) {
    widget.setText(toQString(label.caption()));
    SpokenCaption::follow(widget);
}

void showSize(const Label& label, QLabel& widget) {
    show(label, widget);
    widget.setToolTip(toQString(label.caption()) + QStringLiteral(" MB"));
}

void show(const Shape& shape, ShapeWidget& widget) {
    widget.setWidthTwips(static_cast<double>(shape.width()));
    widget.setHidden(!shape.visible());
}

} // namespace kelvaro::widget_sync
