#include "binding/gui.h"
#include "frame/wayland_frame.h"
#include "launch/command_line.h"
#include "launch/command_line_answer.h"
#include "launch/display_check.h"
#include "locale/decimal_separator.h"
#include "version/program_version.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Answered before any Qt object exists, so they need no display.
    const kelvaro::CommandLine commandLine(argc, argv);
    if (const auto status = kelvaro::answerWithoutWindow(commandLine)) {
        return *status;
    }
    if (!kelvaro::displayAvailable(commandLine.displayChoice())) {
        // stdio rather than iostream: the standard streams would be set up
        // at every start only for this message.
        std::fputs("Kelvaro kann kein Fenster öffnen: keine grafische Anzeige gefunden "
                   "(DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt oder erreichbar).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvaro"));
    // No display name: on X11 Qt would append it to every caption that does
    // not end with it, and the main window's caption is fixed by its layout.
    QApplication::setApplicationVersion(QString::fromLatin1(kelvaro::kPackageVersion));
    QApplication::setDesktopFileName(QStringLiteral("kelvaro"));
    // The program ends through its own life cycle, not when a window hides.
    QApplication::setQuitOnLastWindowClosed(false);
    kelvaro::WaylandFrame::choose();

    kelvaro::Program program{kelvaro::NumberFormat(kelvaro::userDecimalSeparator())};
    kelvaro::Gui gui(program);
    // The main window's icon, decoded once, is also the application's.
    QApplication::setWindowIcon(gui.form1()->windowIcon());
    gui.start();
    return QApplication::exec();
}
