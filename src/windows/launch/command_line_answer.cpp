#include "launch/command_line_answer.h"

#include "version/program_version.h"

#include <cstdio>
#include <string>

namespace kelvaro {

namespace {

constexpr const char* kHelp =
    R"(Aufruf: kelvaro [QT-OPTION ...]
       kelvaro --help | --version

Kelvaro ist ein Rechner für Autoren von Video-DVDs. Aus der Spieldauer eines
Films, dem Disc-Typ (4,7 GB oder 8,5 GB), den Audiospuren, den Extras, den
Untertiteln und dem Muxing-Overhead berechnet er die mittlere Videobitrate,
mit der der Film die Disc füllt, dazu eine minimale und eine maximale Bitrate
für die Kodierung mit variabler Bitrate, eine empfohlene Auflösung und die
Aufteilung der Disc.
Eingaben und Ergebnisse stehen in seinem Fenster.

Optionen:
  --help       zeigt diese Hilfe und endet
  --version    zeigt die Version und endet
Weitere eigene Optionen hat Kelvaro nicht. Die allgemeinen Optionen von Qt
werden angenommen, mit einem Bindestrich oder zwei, zum Beispiel:
  -platform NAME     die Plattform: xcb, wayland oder offscreen
  -style NAME        der Stil der Bedienelemente, etwa Fusion
  -display ANZEIGE   der X-Server, auf dem die Fenster erscheinen
  -reverse           die Anordnung von rechts nach links
Jede andere Option, die mit zwei Bindestrichen beginnt, ist ein Fehler.

Umgebungsvariablen:
  LC_ALL, LC_NUMERIC, LANG
      Die erste gesetzte bestimmt das Dezimaltrennzeichen: ein Komma bei einer
      deutschen Locale wie de_DE.UTF-8, ein Punkt, wenn keine gesetzt ist oder
      die Locale C oder POSIX ist.
  DISPLAY, WAYLAND_DISPLAY
      Die grafische Anzeige, auf der die Fenster erscheinen.
  QT_QPA_PLATFORM
      Die Plattform, wie bei -platform.
  QT_WAYLAND_DECORATION
      Wo ein Wayland-Desktop den Fensterrahmen dem Programm überlässt,
      zeichnet Kelvaro seinen eigenen, ohne Maximieren-Knopf, und setzt diese
      Variable dafür selbst; ein vorher gesetzter Wert gilt nicht.

Rückgabewert: 0, wenn das Fenster geschlossen wird, und nach --help oder
--version; 1, wenn keine grafische Anzeige erreichbar ist; 2 bei einer
unbekannten Option.
)";

// A help that did not reach its reader (a full disc, a closed pipe) is a failure.
int written() {
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) {
        return 0;
    }
    std::fputs("kelvaro: Die Ausgabe ließ sich nicht schreiben.\n", stderr);
    return 1;
}

} // namespace

std::optional<int> answerWithoutWindow(const CommandLine& commandLine) {
    switch (commandLine.request()) {
    case CommandLine::Request::help:
        std::fputs(kHelp, stdout);
        return written();
    case CommandLine::Request::version:
        std::printf("Kelvaro %s (%s)\n", std::string(kReleaseVersion).c_str(),
                    std::string(kPackageVersion).c_str());
        return written();
    case CommandLine::Request::unknownOption:
        std::fprintf(stderr,
                     "kelvaro: unbekannte Option „%s“; „kelvaro --help“ zeigt, welche es gibt.\n",
                     commandLine.unknownOption().c_str());
        return 2;
    case CommandLine::Request::start:
        break;
    }
    return std::nullopt;
}

} // namespace kelvaro
