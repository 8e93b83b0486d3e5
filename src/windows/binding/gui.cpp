#include "binding/gui.h"

#include "accessibility/accessible_factory.h"
#include "accessibility/form1_reader_view.h"
#include "binding/connect_while_alive.h"
#include "binding/form_binding.h"
#include "binding/mark_presenter.h"
#include "frame/window_activation.h"
#include "layout/about_layout.h"
#include "layout/form1_layout.h"
#include "widgets/form1_input_policies.h"
#include "widgets/form_window.h"
#include "widgets/light_palette.h"
#include "widgets/window_builder.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

// The resource file is compiled into this library; a static library has to
// register it by hand.
static void registerResources() {
#ifdef KELVARO_HAS_RESOURCES
    Q_INIT_RESOURCE(resources);
#endif
}

namespace kelvaro {

namespace {

// Read as PNG straight away: a reader left to find the format itself loads
// every image plugin to ask whether it reads PNG.
QPixmap png(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The program icon in its eight sizes: the windows and the application share
// one copy.
QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128}) {
        icon.addPixmap(png(QStringLiteral(":/icon_%1.png").arg(size)));
    }
    return icon;
}

} // namespace

Gui::Gui(Program& program) : program_(program) {
    registerResources();
    AccessibleFactory::install();
    WindowActivation::takeOver();
    LightPalette::applyToPopups();
    form1_ = WindowBuilder::build(form1Window(), form1Controls());
    form1_->setWindowIcon(programIcon());
    Form1InputPolicies::apply(*form1_);
    Form1ReaderView::apply(*form1_);
    binding_ = std::make_unique<FormBinding>(program_, *form1_);
    marks_ = std::make_unique<MarkPresenter>(program_.form, *form1_);
    form1_->setCloseHandler([&program] {
        program.lifeCycle.closeForm1();
        return true;
    });
    form1_->centreOnScreen();
    connectWindows();
}

Gui::~Gui() = default;

void Gui::connectWindows() {
    connectWhileAlive(program_.form.window.changed, alive_, [this] { showForm1(); });
    connectWhileAlive(program_.about.changed, alive_, [this] { showAbout(); });
    program_.lifeCycle.programEnded.connect([] { QCoreApplication::quit(); });
}

void Gui::start() {
    program_.start();
    WindowActivation::request(*form1_);
    if (auto* text1 = form1_->findChild<QLineEdit*>(QStringLiteral("Text1"))) {
        // The playing time starts selected, ready to be typed over.
        text1->setFocus(Qt::OtherFocusReason);
        text1->selectAll();
    }
}

QWidget* Gui::form1() const {
    return form1_.get();
}

QWidget* Gui::about() const {
    return about_.get();
}

void Gui::showForm1() {
    const bool visible = program_.form.window.visible();
    // The main window is shown before About is hidden.
    const bool backFromAbout = visible && about_ && about_->isVisible();
    if (backFromAbout) {
        keyboardCues_ = keyboardCues_ || about_->testAttribute(Qt::WA_KeyboardFocusChange);
    }
    form1_->setVisible(visible);
    if (backFromAbout) {
        giveKeyboardBack();
    }
}

// Back from About, the main window takes the keyboard again; Qt gives it to
// the control that had it. A window manager would hand the focus to the
// window shown, but without one nobody does: the window asks for it once it
// is mapped.
// Qt forgets a hidden window's focus frame; one who works with the keyboard
// sees it again.
void Gui::giveKeyboardBack() {
    form1_->showKeyboardCues(keyboardCues_);
    WindowActivation::request(*form1_);
}

void Gui::showAbout() {
    const bool visible = program_.about.visible();
    if (visible && form1_->isVisible()) {
        keyboardCues_ = form1_->testAttribute(Qt::WA_KeyboardFocusChange);
    }
    if (visible && !about_) {
        createAbout();
    }
    if (!about_) {
        return;
    }
    about_->setVisible(visible);
    if (visible) {
        // "OK" holds the focus; its frame shows when the keyboard brought the user here.
        about_->showKeyboardCues(keyboardCues_);
        WindowActivation::request(*about_);
    }
}

void Gui::createAbout() {
    about_ = WindowBuilder::build(aboutWindow(), aboutControls());
    about_->setWindowIcon(form1_->windowIcon());
    // What its picture says, which a screen reader cannot read from it.
    about_->setAccessibleDescription(
        QStringLiteral("Kelvaro, Bitraten-Rechner für Video-DVDs. Freie Software, ohne Gewähr. "
                       "© 2026 Kelvaro-Entwickler"));
    if (auto* empty = about_->findChild<QLabel*>(QStringLiteral("Label2"))) {
        // It lies under the button and shows nothing.
        AccessibleFactory::leaveOut(*empty);
    }
    Program& p = program_;
    auto* ok = about_->findChild<QPushButton*>(QStringLiteral("Command1"));
    ok->setAccessibleDescription(QStringLiteral("Schließt dieses Fenster und zeigt den Rechner"));
    QObject::connect(ok, &QPushButton::clicked, [&p] { p.lifeCycle.About_Command1_Click(); });
    about_->setCloseHandler([&p] {
        if (p.lifeCycle.ended()) {
            return true;
        }
        p.lifeCycle.closeAbout();
        return false;
    });
    about_->centreOnScreen();
    ok->setFocus(Qt::OtherFocusReason);
}

} // namespace kelvaro
