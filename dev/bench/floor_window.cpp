// The floor of the start-up figures: the least a Qt Widgets program does to
// put a window of the main window's size (578 x 264) on the screen.
//
// With --label the window also shows one line of text, so that the fonts
// are set up: the least any window with text costs. With --field it also has
// a text field, the least a window that takes input costs.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(578, 264);
    const bool field = argc > 1 && std::strcmp(argv[1], "--field") == 0;
    if (field || (argc > 1 && std::strcmp(argv[1], "--label") == 0)) {
        auto* label = new QLabel(QStringLiteral("4888"), &window);
        label->move(8, 8);
    }
    if (field) {
        auto* edit = new QLineEdit(QStringLiteral("120"), &window);
        edit->setGeometry(8, 32, 60, 20);
    }
    window.show();
    return QApplication::exec();
}
