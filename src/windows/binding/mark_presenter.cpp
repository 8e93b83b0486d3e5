#include "mark_presenter.h"

#include "accessible_factory.h"
#include "connect_while_alive.h"
#include "handlers/report_text.h"
#include "layout_fonts.h"
#include "light_palette.h"
#include "widget_sync.h"

#include <QAccessible>
#include <QLabel>

#include <algorithm>

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

void MarkPresenter::refresh() {
    unmarkAll();
    const Report* first = nullptr;
    std::vector<ReaderMarks::Mark> readerMarks;
    for (const Report& report : form_.reports.marks()) {
        if (report.fields.empty()) {
            first = first != nullptr ? first : &report;
            continue;
        }
        if (QWidget* widget = shownWidgetOf(report.fields.front())) {
            mark(*widget);
            readerMarks.push_back({widget, messageOf(report)});
            first = first != nullptr ? first : &report;
        }
    }
    readers_.show(readerMarks);
    if (first == nullptr) {
        message_->hide();
        return;
    }
    showMessage(*first);
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
    for (const char* name : {"Text12", "Text8", "Text13"}) {
        if (auto* widget = window_->findChild<QWidget*>(QString::fromLatin1(name))) {
            area = area.united(widget->geometry());
        }
    }
    return area;
}

QString MarkPresenter::messageOf(const Report& report) const {
    const ReportTextContext context{form_.numbers.separator(), form_.HScroll1.min(),
                                    form_.HScroll1.max()};
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

void MarkPresenter::place(const QRect& anchor, bool preferAbove) {
    const int inset = message_->frameWidth() + message_->margin();
    const QRect text = message_->fontMetrics().boundingRect(QRect(0, 0, kMessageTextWidth, 1000),
                                                            Qt::TextWordWrap, message_->text());
    const QSize size(text.width() + 2 * inset + 1, text.height() + 2 * inset);
    message_->setGeometry(messagePlace(anchor, size, window_->size(), preferAbove));
}

QRect MarkPresenter::messagePlace(const QRect& anchor, const QSize& size, const QSize& client,
                                  bool preferAbove) {
    const int x =
        std::clamp(anchor.left(), kGap, std::max(kGap, client.width() - size.width() - kGap));
    const int below = anchor.bottom() + 1 + kGap;
    const int above = anchor.top() - size.height() - kGap;
    const bool fitsBelow = below + size.height() <= client.height() - kGap;
    const bool fitsAbove = above >= kGap;
    const bool useAbove = (preferAbove && fitsAbove) || (!fitsBelow && fitsAbove);
    return QRect(QPoint(x, useAbove ? above : below), size);
}

} // namespace kelvaro
