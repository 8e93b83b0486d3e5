#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

namespace kelvaro {

// Tells screen readers which fields are marked as bad input: a marked field
// is in the invalid-entry state and its message is its description. Both go
// when its mark goes, and the field gets its own description back.
class ReaderMarks {
public:
    struct Mark {
        QWidget* widget;
        QString message;
    };

    void show(const std::vector<Mark>& marks);

private:
    struct Shown {
        QPointer<QWidget> widget;
        QString description; // the field's description before the mark
    };

    void unmarkAllBut(const std::vector<Mark>& marks);

    std::vector<Shown> shown_;
};

} // namespace kelvaro
