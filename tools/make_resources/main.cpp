// Makes the program's pictures: kelvaro-make-resources OUTPUT_FOLDER

#include "resource_generator.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Text is drawn into images only, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: kelvaro-make-resources OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QString folder = arguments.at(1);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    if (!kelvaro::ResourceGenerator(folder).run()) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}
