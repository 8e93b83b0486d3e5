#include "widgets/form_window.h"

#include "layout/layout_fonts.h"
#include "layout/twips.h"
#include "widgets/light_palette.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace kelvaro {

FormWindow::FormWindow(const WindowLayout& layout)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      background_(QString::fromLatin1(layout.background)) {
    setObjectName(QString::fromLatin1(layout.name));
    setWindowTitle(QString::fromUtf8(layout.caption));
    setFixedSize(pixels(layout.clientWidth), pixels(layout.clientHeight));
    setAttribute(Qt::WA_OpaquePaintEvent);
    LightPalette::applyTo(*this);
    // The layout's default face from the start: a control is laid out in the
    // window's font when it is created, before it gets its own, and the
    // system's font would be loaded only for that.
    setFont(layoutFont(LayoutFont::Default));
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget* /*old*/, QWidget* now) { focusArrived(now); });
}

// The focus moves while the widgets below are taken down, after this part
// of the window is gone.
FormWindow::~FormWindow() {
    disconnect(focusWatch_);
}

void FormWindow::showKeyboardCues(bool shown) {
    setAttribute(Qt::WA_KeyboardFocusChange, shown);
    const QWidget* focus = QApplication::focusWidget();
    cuesOnArrival_ = shown;
    cuesPending_ = focus == nullptr || focus->window() != this;
}

void FormWindow::focusArrived(QWidget* now) {
    if (!cuesPending_ || now == nullptr || now->window() != this) {
        return;
    }
    cuesPending_ = false;
    setAttribute(Qt::WA_KeyboardFocusChange, cuesOnArrival_);
    now->update();
}

void FormWindow::centreOnScreen() {
    centreWhenShown_ = !isVisible();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // move() places the frame; its size is known once the window is shown.
    const QSize frame = frameGeometry().size().expandedTo(size());
    QRect place(QPoint(0, 0), frame);
    place.moveCenter(screen->availableGeometry().center());
    move(place.topLeft());
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centreWhenShown_) {
        centreOnScreen();
    }
}

// The window keeps its size: a maximised or full-screen state, asked for by a
// title bar, a shortcut or the compositor, is refused. A compositor that has
// configured such a state holds the window to that size; mapping the window
// anew, before anything of it is drawn, ends that state without ever showing
// it at another size.
void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange ||
        !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        return;
    }
    const bool shown = isVisible();
    // Qt forgets a hidden window's focus frame; one who works with the
    // keyboard sees it again.
    const bool keyboardCues = testAttribute(Qt::WA_KeyboardFocusChange);
    if (shown) {
        hide();
        // A new native window, as at the first show: the window system's
        // news about the old one cannot then be taken for news about it.
        windowHandle()->destroy();
    }
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    // A window system that ignores the fixed size has resized it already.
    resize(minimumSize());
    if (shown) {
        show();
        showKeyboardCues(keyboardCues);
    }
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QColor window = palette().color(QPalette::Window);
    // Rectangle by rectangle: a slider step repaints many small pieces, and
    // one blit per piece is cheaper than blending through the whole region.
    for (const QRect& piece : event->region()) {
        painter.setClipRect(piece);
        painter.fillRect(piece, window);
        painter.drawPixmap(0, 0, background_);
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (closeHandler_ && !closeHandler_()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace kelvaro
