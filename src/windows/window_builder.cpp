#include "window_builder.h"

#include "choice_list.h"
#include "layout_fonts.h"
#include "line_widget.h"
#include "list_style.h"
#include "shape_widget.h"
#include "twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace kelvaro {

namespace {

bool isWindowed(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::ComboBox ||
           kind == ControlKind::ScrollBar || kind == ControlKind::Button;
}

Qt::Alignment alignmentOf(TextAlign align) {
    switch (align) {
    case TextAlign::Centre:
        return Qt::AlignHCenter;
    case TextAlign::Right:
        return Qt::AlignRight;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

QLineEdit* makeTextBox(const ControlSpec& spec, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(alignmentOf(spec.align) | Qt::AlignVCenter);
    if (spec.maxLength > 0) {
        edit->setMaxLength(spec.maxLength);
    }
    edit->setText(QString::fromUtf8(spec.text));
    edit->setCursorPosition(0);
    return edit;
}

QComboBox* makeComboBox(const ControlSpec& spec, QWidget* parent) {
    auto* combo = new ChoiceList(parent);
    auto* style = new ListStyle();
    style->setParent(combo);
    combo->setStyle(style);
    combo->setEditable(true);
    // Typing chooses nothing: no completion, no insertion, and duplicates on
    // so that Enter does not add or pick a matching item (ChoiceList keeps
    // the choice when the editing finishes).
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setDuplicatesEnabled(true);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString::fromUtf8(spec.text));
    combo->lineEdit()->setCursorPosition(0);
    return combo;
}

QScrollBar* makeScrollBar(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(true);
    // A scroll bar inverts its keys for vertical scrolling; this one is a
    // slider: the right arrow key raises the value, the left one lowers it.
    bar->setInvertedControls(false);
    return bar;
}

QLabel* makeLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(spec.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignmentOf(spec.align) | Qt::AlignTop);
    return label;
}

QPushButton* makeButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(spec.text), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void setTextColour(QWidget& widget, const LayoutColour& colour) {
    QPalette palette = widget.palette();
    const QColor rgb(colour.red, colour.green, colour.blue);
    palette.setColor(QPalette::WindowText, rgb);
    palette.setColor(QPalette::Text, rgb);
    palette.setColor(QPalette::ButtonText, rgb);
    widget.setPalette(palette);
}

} // namespace

std::unique_ptr<FormWindow> WindowBuilder::build(const WindowSpec& window,
                                                 std::span<const ControlSpec> controls) {
    auto form = std::make_unique<FormWindow>(window);
    for (const ControlSpec& spec : controls) {
        QWidget* widget = create(spec, *form);
        widget->setObjectName(QString::fromLatin1(spec.name));
        place(spec, *widget);
        applyText(spec, *widget);
        widget->setVisible(spec.visible);
        if (isWindowed(spec.kind)) {
            widget->raise();
        }
    }
    orderTabs(controls, *form);
    return form;
}

QWidget* WindowBuilder::create(const ControlSpec& spec, FormWindow& window) {
    switch (spec.kind) {
    case ControlKind::TextBox:
        return makeTextBox(spec, &window);
    case ControlKind::ComboBox:
        return makeComboBox(spec, &window);
    case ControlKind::ScrollBar:
        return makeScrollBar(&window);
    case ControlKind::Button:
        return makeButton(spec, &window);
    case ControlKind::Frame:
        return new ShapeWidget(ShapeWidget::Inside::Transparent, &window);
    case ControlKind::Bar:
        return new ShapeWidget(ShapeWidget::Inside::LightGrey, &window);
    case ControlKind::Line:
        return new LineWidget(&window);
    case ControlKind::Label:
        break;
    }
    return makeLabel(spec, &window);
}

void WindowBuilder::place(const ControlSpec& spec, QWidget& widget) {
    if (spec.kind == ControlKind::Line) {
        // One pixel thick, both end points included.
        const int left = pixels(std::min(spec.x1, spec.x2));
        const int top = pixels(std::min(spec.y1, spec.y2));
        const int right = pixels(std::max(spec.x1, spec.x2));
        const int bottom = pixels(std::max(spec.y1, spec.y2));
        widget.setGeometry(left, top, right - left + 1, bottom - top + 1);
        return;
    }
    widget.setGeometry(pixels(spec.left), pixels(spec.top), pixels(spec.width),
                       pixels(spec.height));
    if (auto* shape = dynamic_cast<ShapeWidget*>(&widget)) {
        shape->setWidthTwips(spec.width);
    }
}

void WindowBuilder::applyText(const ControlSpec& spec, QWidget& widget) {
    if (spec.font != LayoutFont::None) {
        widget.setFont(layoutFont(spec.font));
    }
    if (spec.colour.isSet()) {
        setTextColour(widget, spec.colour);
    }
    if (*spec.toolTip != '\0') {
        widget.setToolTip(QString::fromUtf8(spec.toolTip));
    }
}

void WindowBuilder::orderTabs(std::span<const ControlSpec> controls, FormWindow& window) {
    std::vector<const ControlSpec*> stops;
    for (const ControlSpec& spec : controls) {
        if (isWindowed(spec.kind) && spec.tabIndex >= 0) {
            stops.push_back(&spec);
        }
    }
    std::sort(stops.begin(), stops.end(),
              [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const ControlSpec* spec : stops) {
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(spec->name));
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace kelvaro
