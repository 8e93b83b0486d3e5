#include "binding/mark_presenter.h"

#include "accessibility/accessible_factory.h"
#include "binding/connect_while_alive.h"
#include "binding/widget_sync.h"
#include "handlers/report_text.h"
#include "layout/form1_layout.h"
#include "layout/layout_fonts.h"
#include "widgets/form_window.h"
#include "widgets/light_palette.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace kelvaro {

namespace {

const QColor kMarked(255, 205, 205);
constexpr int kMessageTextWidth = 300;
constexpr int kGap = 2;

void setBase(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, colour);
    widget.setPalette(palette);
}

// Whether the user reads or works the widget: a text box, a list, a button,
// the slider or a label. Lines, frames and bars are only drawings.
bool isReadOrWorked(QWidget* widget) {
    return qobject_cast<QLineEdit*>(widget) != nullptr ||
           qobject_cast<QComboBox*>(widget) != nullptr ||
           qobject_cast<QAbstractButton*>(widget) != nullptr ||
           qobject_cast<QAbstractSlider*>(widget) != nullptr ||
           qobject_cast<QLabel*>(widget) != nullptr;
}

bool isClear(const QRect& place, const std::vector<QRect>& keepClear) {
    return std::none_of(keepClear.begin(), keepClear.end(), [&](const QRect& kept) {
        return place.intersects(kept.adjusted(-kGap, -kGap, kGap, kGap));
    });
}

int distance(const QRect& place, const QRect& anchor) {
    const int down = place.top() - anchor.bottom() - 1;
    const int up = anchor.top() - place.bottom() - 1;
    return std::abs(place.left() - anchor.left()) + std::max({0, down, up});
}

// At the anchor's left, below it or (preferred, or where below has no room)
// above it, kept clear of the area's edges.
QRect besideAnchor(const QRect& anchor, const QSize& size, const QSize& client, bool preferAbove) {
    const int x =
        std::clamp(anchor.left(), kGap, std::max(kGap, client.width() - size.width() - kGap));
    const int below = anchor.bottom() + 1 + kGap;
    const int above = anchor.top() - size.height() - kGap;
    const bool fitsBelow = below + size.height() <= client.height() - kGap;
    const bool fitsAbove = above >= kGap;
    const bool useAbove = (preferAbove && fitsAbove) || (!fitsBelow && fitsAbove);
    return QRect(QPoint(x, useAbove ? above : below), size);
}

} // namespace

MarkPresenter::MarkPresenter(Form1& form, QWidget& form1)
    : form_(form), window_(&form1), message_(new QLabel(&form1)) {
    message_->setObjectName(QStringLiteral("ReportMessage"));
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->setFont(layoutFont(LayoutFont::F1));
    message_->setFrameShape(QFrame::Box);
    message_->setLineWidth(1);
    // The frame at the edge, three pixels of room inside it, and the text
    // from there on (a framed label would indent it by half an 'x').
    message_->setMargin(3);
    message_->setIndent(0);
    message_->setAutoFillBackground(true);
    // Dark text on pale yellow, as the tool tips.
    const QPalette& light = LightPalette::palette();
    QPalette palette = message_->palette();
    palette.setColor(QPalette::Window, light.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, light.color(QPalette::ToolTipText));
    message_->setPalette(palette);
    message_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Named by the message it shows; readers announce it when it appears.
    AccessibleFactory::makeNotice(*message_);
    message_->setAccessibleDescription(QStringLiteral("Hinweis zur Eingabe"));
    message_->hide();
    // The marks are shown in the window's widgets: the window is the context.
    connectWhileAlive(form_.reports.marksChanged, form1, [this] { refresh(); });
}

// A refused field is told of before a failed run: no run can be made until
// the field holds a number, and the run's failure may be gone by then.
void MarkPresenter::refresh() {
    unmarkAll();
    const Report* firstField = nullptr;
    const Report* failedRun = nullptr;
    std::vector<ReaderMarks::Mark> readerMarks;
    for (const Report& report : form_.reports.marks()) {
        if (report.fields.empty()) {
            failedRun = &report;
            continue;
        }
        if (QWidget* widget = shownWidgetOf(report.fields.front())) {
            mark(*widget);
            readerMarks.push_back({widget, messageOf(report)});
            firstField = firstField != nullptr ? firstField : &report;
        }
    }
    readers_.show(readerMarks);
    const Report* told = firstField != nullptr ? firstField : failedRun;
    if (told == nullptr) {
        message_->hide();
        return;
    }
    showMessage(*told);
}

// An unmarked field gets back the fields' white of the windows' palette.
void MarkPresenter::unmarkAll() {
    const QColor field = LightPalette::palette().color(QPalette::Base);
    for (const QPointer<QWidget>& widget : marked_) {
        if (!widget.isNull()) {
            setBase(*widget, field);
        }
    }
    marked_.clear();
}

void MarkPresenter::mark(QWidget& widget) {
    setBase(widget, kMarked);
    marked_.emplace_back(&widget);
}

// The field's widget where the user sees it. The fields below the client
// area are never marked: they hold only what the lists write, a disc's
// capacity or a rate of the table.
QWidget* MarkPresenter::shownWidgetOf(const std::string& field) const {
    auto* widget = window_->findChild<QWidget*>(widget_sync::toQString(field));
    if (widget == nullptr || widget->isHidden() ||
        !window_->rect().intersects(widget->geometry())) {
        return nullptr;
    }
    return widget;
}

QRect MarkPresenter::resultsArea() const {
    QRect area;
    for (const char* name : kForm1ResultBoxes) {
        if (QWidget* widget = controlNamed(*window_, name)) {
            area = area.united(widget->geometry());
        }
    }
    return area;
}

QString MarkPresenter::messageOf(const Report& report) const {
    const ReportTextContext context{form_.numbers.separator(), form_.minutesSlider.min(),
                                    form_.minutesSlider.max()};
    const std::string field =
        report.fields.empty() ? ReportChannel::kCalculation : report.fields.front();
    return widget_sync::toQString(reportText(field, report.reason, context));
}

void MarkPresenter::showMessage(const Report& first) {
    const QString text = messageOf(first);
    const bool replaced = !message_->isHidden() && message_->text() != text;
    message_->setText(text);
    if (first.fields.empty()) {
        place(resultsArea(), true);
    } else {
        place(shownWidgetOf(first.fields.front())->geometry(), false);
    }
    message_->show();
    message_->raise();
    if (replaced) {
        // Showing raises the announcement by itself; another message in the
        // one already shown is announced as if it had just appeared.
        QAccessibleEvent shown(message_, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

// The window has room for every field's message in the strip between the
// inputs and the slider. It has none for the calculation's message, which
// takes two lines in the layout's font: the free strips above and below the
// slider are 31 pixels high. That message stands above the results over the slider's lower
// edge, and lets the mouse through to it.
void MarkPresenter::place(const QRect& anchor, bool preferAbove) {
    const int inset = message_->frameWidth() + message_->margin();
    const QRect text = message_->fontMetrics().boundingRect(QRect(0, 0, kMessageTextWidth, 1000),
                                                            Qt::TextWordWrap, message_->text());
    const QSize size(text.width() + 2 * inset + 1, text.height() + 2 * inset);
    message_->setGeometry(messagePlace(anchor, size, window_->size(), keptInSight(), preferAbove));
}

// The places of the inputs and labels in the client area, the message's own
// field among them.
std::vector<QRect> MarkPresenter::keptInSight() const {
    std::vector<QRect> kept;
    for (QWidget* widget : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (widget != message_ && !widget->isHidden() && isReadOrWorked(widget) &&
            window_->rect().intersects(widget->geometry())) {
            kept.push_back(widget->geometry());
        }
    }
    return kept;
}

// The candidates line up with an edge of the anchor, of a rectangle to keep
// clear or of the area; the nearest clear one of them wins.
QRect MarkPresenter::messagePlace(const QRect& anchor, const QSize& size, const QSize& client,
                                  const std::vector<QRect>& keepClear, bool preferAbove) {
    std::vector<QRect> kept = keepClear;
    kept.push_back(anchor);
    const int below = anchor.bottom() + 1 + kGap;
    const int above = anchor.top() - size.height() - kGap;
    std::vector<int> ys = preferAbove ? std::vector{above, below} : std::vector{below, above};
    std::vector<int> xs{anchor.left(), kGap, client.width()};
    for (const QRect& rect : kept) {
        xs.insert(xs.end(), {rect.right() + 1 + kGap, rect.left() - size.width() - kGap});
        ys.insert(ys.end(), {rect.bottom() + 1 + kGap, rect.top() - size.height() - kGap});
    }
    const int lastX = std::max(kGap, client.width() - size.width() - kGap);
    const int lastY = std::max(kGap, client.height() - size.height() - kGap);
    QRect best;
    int bestDistance = INT_MAX;
    for (const int y : ys) {
        for (const int x : xs) {
            const QRect place(QPoint(std::clamp(x, kGap, lastX), std::clamp(y, kGap, lastY)), size);
            const int d = distance(place, anchor);
            if (d < bestDistance && isClear(place, kept)) {
                best = place;
                bestDistance = d;
            }
        }
    }
    return bestDistance < INT_MAX ? best : besideAnchor(anchor, size, client, preferAbove);
}

} // namespace kelvaro
