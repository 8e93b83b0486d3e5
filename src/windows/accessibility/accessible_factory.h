#pragma once

class QLabel;
class QWidget;

namespace kelvaro {

// What the program tells screen readers beyond Qt's own interfaces: the
// windows as windows, the lists named by their labels, the report message
// as a notification, and the widgets that carry nothing for a reader (the
// working fields below the client area, the lines, the frames and bars)
// left out of the tree.
class AccessibleFactory {
public:
    // Once per process; further calls do nothing.
    static void install();

    // Lines, frames and bars are left out by their kind; any other widget
    // by this mark.
    static void leaveOut(QWidget& widget);
    static bool isLeftOut(const QWidget& widget);
    static void makeNotice(QLabel& label);
};

} // namespace kelvaro
