#include "form1_extras.h"

#include <QLineEdit>
#include <QScrollBar>

namespace kelvaro {

namespace {

struct Description {
    const char* control;
    const char* name;
    const char* description;
};

// German names and descriptions for screen readers.
constexpr Description kDescriptions[] = {
    {"Combo1", "DVD-Typ", "Größe der zu beschreibenden DVD: 4,7 GB oder 8,5 GB"},
    {"Text1", "Spielzeit in Minuten",
     "Gesamtspielzeit der DVD ohne Menüs in Minuten, eine ganze Zahl; der Regler folgt"},
    {"Combo2", "Bitrate Audio 1", "Bitrate einer Audiospur der ersten Art"},
    {"Text9", "Anzahl Audiospuren 1", "Anzahl der Audiospuren mit der Bitrate Audio 1"},
    {"Combo3", "Bitrate Audio 2",
     "Bitrate einer Audiospur der zweiten Art, falls sie sich von Audio 1 unterscheidet"},
    {"Text15", "Anzahl Audiospuren 2", "Anzahl der Audiospuren mit der Bitrate Audio 2"},
    {"Text3", "Extras in MB", "Platz für Extras wie Menüs oder zusätzliche Daten, in MB"},
    {"Text14", "Untertitel in MB", "Größe aller Untertitel zusammen, in MB"},
    {"Text17", "Muxing-Overhead in MB", "Platz für den Muxing-Overhead, in MB; üblich sind 80"},
    {"HScroll1", "Spielzeit-Regler",
     "Stellt die Gesamtspielzeit in Minuten ein und rechnet sofort neu"},
    {"Text12", "Minimale Videobitrate in kbit/s",
     "Ergebnis: untere Grenze für eine variable Videobitrate"},
    {"Text8", "Mittlere Videobitrate in kbit/s",
     "Ergebnis: mittlere Videobitrate, mit der die DVD gefüllt wird, höchstens 9608"},
    {"Text13", "Maximale Videobitrate in kbit/s",
     "Ergebnis: obere Grenze für eine variable Videobitrate"},
    {"Label8", "Empfohlene Auflösung", "Ergebnis: empfohlene Bildauflösung für das Video"},
    {"Label13", "Größe Video in MB", "Ergebnis: Platz für den Videostrom, in MB"},
    {"Label22", "Größe Audio 1 in MB", "Ergebnis: Größe aller Audiospuren der ersten Art, in MB"},
    {"Label29", "Größe Audio 2 in MB", "Ergebnis: Größe aller Audiospuren der zweiten Art, in MB"},
    {"Label26", "Größe Video und Audio in MB", "Ergebnis: Video und Audio zusammen, in MB"},
    {"Command1", "Berechnen", "Berechnet die Bitraten aus den Eingaben"},
    {"Command3", "Über Kelvaro", "Zeigt Titel und Version des Programms"},
    {"Command2", "Beenden", "Beendet das Programm"},
};

constexpr const char* kResults[] = {"Text8", "Text12", "Text13"};

constexpr const char* kBelowClientArea[] = {"Text2",  "Text4",  "Text5",  "Text6",
                                            "Text7",  "Text10", "Text11", "Text16",
                                            "Text18", "Text19", "Text20"};

QWidget* child(QWidget& form1, const char* name) {
    return form1.findChild<QWidget*>(QString::fromLatin1(name));
}

} // namespace

void Form1Extras::apply(QWidget& form1) {
    makeResultsReadOnly(form1);
    setFocusPolicies(form1);
    describe(form1);
}

void Form1Extras::makeResultsReadOnly(QWidget& form1) {
    for (const char* name : kResults) {
        if (auto* edit = qobject_cast<QLineEdit*>(child(form1, name))) {
            edit->setReadOnly(true);
        }
    }
}

void Form1Extras::setFocusPolicies(QWidget& form1) {
    if (auto* slider = qobject_cast<QScrollBar*>(child(form1, "HScroll1"))) {
        slider->setFocusPolicy(Qt::StrongFocus);
    }
    for (const char* name : kBelowClientArea) {
        if (QWidget* field = child(form1, name)) {
            field->setFocusPolicy(Qt::NoFocus);
        }
    }
}

void Form1Extras::describe(QWidget& form1) {
    // The window keeps its caption as its name.
    form1.setAccessibleDescription(
        QStringLiteral("Rechner für die mittlere Videobitrate einer DVD"));
    for (const Description& d : kDescriptions) {
        if (QWidget* widget = child(form1, d.control)) {
            widget->setAccessibleName(QString::fromUtf8(d.name));
            widget->setAccessibleDescription(QString::fromUtf8(d.description));
        }
    }
}

} // namespace kelvaro
