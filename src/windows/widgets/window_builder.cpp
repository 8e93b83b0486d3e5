#include "widgets/window_builder.h"

#include "layout/layout_fonts.h"
#include "layout/twips.h"
#include "widgets/choice_list.h"
#include "widgets/line_widget.h"
#include "widgets/push_button.h"
#include "widgets/shape_widget.h"
#include "widgets/slider_bar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace kelvaro {

// The application's style with the narrow drop-down button of the layout's
// lists, so that their start texts fit the text area.
class ListStyle : public QProxyStyle {
    Q_OBJECT

public:
    ListStyle() : QProxyStyle(nullptr) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox) {
            return rect;
        }
        const QRect button = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
        const int spare = button.width() - kListButtonWidth;
        if (spare <= 0) {
            return rect;
        }
        if (part == SC_ComboBoxArrow) {
            rect.setLeft(rect.left() + spare);
        } else if (part == SC_ComboBoxEditField) {
            rect.setRight(rect.right() + spare);
        }
        return rect;
    }

private:
    static constexpr int kListButtonWidth = 16;
};

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

QLineEdit* makeTextBox(const ControlLayout& row, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(alignmentOf(row.align) | Qt::AlignVCenter);
    if (row.maxLength > 0) {
        edit->setMaxLength(row.maxLength);
    }
    edit->setText(QString::fromUtf8(row.text));
    edit->setCursorPosition(0);
    return edit;
}

QComboBox* makeComboBox(const ControlLayout& row, QWidget* parent) {
    auto* combo = new ChoiceList(parent);
    auto* style = new ListStyle();
    style->setParent(combo);
    combo->setStyle(style);
    // Typing chooses nothing: no completion, no insertion, and duplicates on
    // so that Enter does not add or pick a matching item (ChoiceList keeps
    // the choice when the editing finishes).
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setDuplicatesEnabled(true);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString::fromUtf8(row.text));
    combo->lineEdit()->setCursorPosition(0);
    return combo;
}

QScrollBar* makeScrollBar(QWidget* parent) {
    auto* bar = new SliderBar(parent);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(true);
    // A scroll bar inverts its keys for vertical scrolling; this one is a
    // slider: the right arrow key raises the value, the left one lowers it.
    bar->setInvertedControls(false);
    return bar;
}

QLabel* makeLabel(const ControlLayout& row, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(row.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignmentOf(row.align) | Qt::AlignTop);
    return label;
}

QPushButton* makeButton(const ControlLayout& row, QWidget* parent) {
    return new PushButton(QString::fromUtf8(row.text), parent);
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

std::unique_ptr<FormWindow> WindowBuilder::build(const WindowLayout& window,
                                                 std::span<const ControlLayout> controls) {
    auto form = std::make_unique<FormWindow>(window);
    for (const ControlLayout& row : controls) {
        QWidget* widget = create(row, *form);
        widget->setObjectName(QString::fromLatin1(row.name));
        place(row, *widget);
        applyText(row, *widget);
        widget->setVisible(row.visible);
        if (isWindowed(row.kind)) {
            widget->raise();
        }
    }
    orderTabs(controls, *form);
    return form;
}

QWidget* WindowBuilder::create(const ControlLayout& row, FormWindow& window) {
    switch (row.kind) {
    case ControlKind::TextBox:
        return makeTextBox(row, &window);
    case ControlKind::ComboBox:
        return makeComboBox(row, &window);
    case ControlKind::ScrollBar:
        return makeScrollBar(&window);
    case ControlKind::Button:
        return makeButton(row, &window);
    case ControlKind::Frame:
        return new ShapeWidget(ShapeWidget::Inside::Transparent, &window);
    case ControlKind::Bar:
        return new ShapeWidget(ShapeWidget::Inside::LightGrey, &window);
    case ControlKind::Line:
        return new LineWidget(&window);
    case ControlKind::Label:
        break;
    }
    return makeLabel(row, &window);
}

void WindowBuilder::place(const ControlLayout& row, QWidget& widget) {
    if (row.kind == ControlKind::Line) {
        // One pixel thick, both end points included.
        const int left = pixels(std::min(row.x1, row.x2));
        const int top = pixels(std::min(row.y1, row.y2));
        const int right = pixels(std::max(row.x1, row.x2));
        const int bottom = pixels(std::max(row.y1, row.y2));
        widget.setGeometry(left, top, right - left + 1, bottom - top + 1);
        return;
    }
    widget.setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
    if (auto* shape = dynamic_cast<ShapeWidget*>(&widget)) {
        shape->setWidthTwips(row.width);
    }
}

void WindowBuilder::applyText(const ControlLayout& row, QWidget& widget) {
    if (row.font != LayoutFont::None) {
        widget.setFont(layoutFont(row.font));
    }
    if (row.colour.isSet()) {
        setTextColour(widget, row.colour);
    }
    if (*row.toolTip != '\0') {
        widget.setToolTip(QString::fromUtf8(row.toolTip));
    }
}

void WindowBuilder::orderTabs(std::span<const ControlLayout> controls, FormWindow& window) {
    std::vector<const ControlLayout*> stops;
    for (const ControlLayout& row : controls) {
        if (isWindowed(row.kind) && row.tabIndex >= 0) {
            stops.push_back(&row);
        }
    }
    std::sort(stops.begin(), stops.end(), [](const ControlLayout* a, const ControlLayout* b) {
        return a->tabIndex < b->tabIndex;
    });
    QWidget* previous = nullptr;
    for (const ControlLayout* row : stops) {
        QWidget* widget = controlNamed(window, row->name);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace kelvaro

#include "window_builder.moc"
