#pragma once

class QLabel;
class QString;

namespace kelvaro {

// A label named for screen readers by a text of its own with the caption in
// place of %1, and renamed with every new caption: a result label has no
// other way to tell its value.
class SpokenCaption {
public:
    // Gives LABEL its spoken text, and names it by it at once.
    static void give(QLabel& label, const QString& text);
    // Names LABEL after its caption; a label without a spoken text keeps its
    // name.
    static void follow(QLabel& label);
};

} // namespace kelvaro
