#include "accessibility/form1_reader_view.h"

#include "accessibility/accessible_factory.h"
#include "accessibility/spoken_caption.h"
#include "layout/form1_layout.h"
#include "widgets/form_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace kelvaro {

namespace {

struct Description {
    const char* control;
    const char* name;
    const char* description;
};

// What a screen reader says for each control: its name holds the words
// written next to it or on it, so that a user of voice control can say what
// is on the screen; the German description explains more. A result label
// has no other way to tell its value: its name holds the words of its row
// with the value in place of %1, the whole value even where the caption is
// cut by its width.
constexpr Description kDescriptions[] = {
    {"Combo1", "DVD Typ", "Größe der zu beschreibenden DVD: 4,7 GB oder 8,5 GB"},
    {"Text1", "Zeit",
     "Gesamtspielzeit der DVD ohne Menüs in Minuten, eine ganze Zahl; der Regler folgt"},
    {"Combo2", "Audio1", "Bitrate einer Audiospur der ersten Art"},
    {"Text9", "Audio1 X", "Anzahl der Audiospuren mit der Bitrate Audio1"},
    {"Combo3", "Audio2",
     "Bitrate einer Audiospur der zweiten Art, falls sie sich von Audio1 unterscheidet"},
    {"Text15", "Audio2 X", "Anzahl der Audiospuren mit der Bitrate Audio2"},
    {"Text3", "Extras", "Platz für Extras wie Menüs oder zusätzliche Daten, in MB"},
    {"Text14", "Subbs", "Größe aller Untertitel zusammen, in MB"},
    {"Text17", "Mux", "Platz für den Muxing-Overhead, in MB; üblich sind 80"},
    {"HScroll1", "Zeit-Regler", "Stellt die Gesamtspielzeit in Minuten ein und rechnet sofort neu"},
    {"Text12", "Min",
     "Ergebnis: minimale Videobitrate in kbit/s, untere Grenze für eine variable Bitrate"},
    {"Text8", "Avg",
     "Ergebnis: mittlere Videobitrate in kbit/s, mit der die DVD gefüllt wird, höchstens 9608"},
    {"Text13", "Max",
     "Ergebnis: maximale Videobitrate in kbit/s, obere Grenze für eine variable Bitrate"},
    {"Command1", "Berechnen", "Berechnet die Bitraten aus den Eingaben"},
    {"Command3", "About", "Zeigt Titel und Version des Programms"},
    {"Command2", "Exit", "Beendet das Programm"},
};

constexpr Description kResultLabels[] = {
    {"Label8", "Empfohlene Auflösung %1", "Ergebnis: empfohlene Bildauflösung für das Video"},
    {"Label13", "Video %1 MB", "Ergebnis: Platz für den Videostrom"},
    {"Label22", "Audio1 %1 MB", "Ergebnis: Größe aller Audiospuren der ersten Art"},
    {"Label29", "Audio2 %1 MB", "Ergebnis: Größe aller Audiospuren der zweiten Art"},
    {"Label26", "Video + Audo %1 MB", "Ergebnis: Video und Audio zusammen"},
};

} // namespace

void Form1ReaderView::apply(QWidget& form1) {
    describe(form1);
    leaveOutWorkingFields(form1);
}

void Form1ReaderView::describe(QWidget& form1) {
    // The window keeps its caption as its name.
    form1.setAccessibleDescription(
        QStringLiteral("Rechner für die mittlere Videobitrate einer DVD"));
    for (const Description& d : kDescriptions) {
        if (QWidget* widget = controlNamed(form1, d.control)) {
            widget->setAccessibleName(QString::fromUtf8(d.name));
            widget->setAccessibleDescription(QString::fromUtf8(d.description));
        }
        // A list's text area is what has the focus: it carries the list's name.
        if (auto* list = qobject_cast<QComboBox*>(controlNamed(form1, d.control))) {
            list->lineEdit()->setAccessibleName(QString::fromUtf8(d.name));
        }
    }
    for (const Description& d : kResultLabels) {
        if (auto* label = qobject_cast<QLabel*>(controlNamed(form1, d.control))) {
            label->setAccessibleDescription(QString::fromUtf8(d.description));
            SpokenCaption::give(*label, QString::fromUtf8(d.name));
        }
    }
}

void Form1ReaderView::leaveOutWorkingFields(QWidget& form1) {
    for (const char* name : form1WorkingFields()) {
        if (QWidget* field = controlNamed(form1, name)) {
            AccessibleFactory::leaveOut(*field);
        }
    }
}

} // namespace kelvaro
