#pragma once

#include "accessibility/reader_marks.h"
#include "calc/form1.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

class QLabel;

namespace kelvaro {

// Shows the report channel's marks in the main window: every marked field
// gets a light red background, and a small floating message near the first
// one (near the results when the calculation failed) says in German what is
// expected, covering none of the window's inputs and labels where the window
// has room for it. Neither changes the layout; both go when the marks go.
// Screen readers announce the message when it appears and find each marked
// field in the invalid-entry state with its own message as description.
class MarkPresenter {
public:
    MarkPresenter(Form1& form, QWidget& form1);

    // Where a message of the given size stands in a client area: the place
    // nearest to the anchor that keeps two pixels from the anchor, from each
    // rectangle to keep clear and from the area's edges. Nearest counts the
    // pixels up or down from the anchor plus those sideways from its left
    // edge; of two places as near, the one below wins (above, if preferred).
    // Where no place is clear: at the anchor's left, below it or (preferred,
    // or where below has no room) above it.
    static QRect messagePlace(const QRect& anchor, const QSize& size, const QSize& client,
                              const std::vector<QRect>& keepClear, bool preferAbove);

private:
    void refresh();
    void unmarkAll();
    void mark(QWidget& widget);
    void showMessage(const Report& first);
    QString messageOf(const Report& report) const;
    QWidget* shownWidgetOf(const std::string& field) const;
    QRect resultsArea() const;
    std::vector<QRect> keptInSight() const;
    void place(const QRect& anchor, bool preferAbove);

    Form1& form_;
    QPointer<QWidget> window_;
    QLabel* message_;
    std::vector<QPointer<QWidget>> marked_;
    ReaderMarks readers_;
};

} // namespace kelvaro
