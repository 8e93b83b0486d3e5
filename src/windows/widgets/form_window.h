#pragma once

#include "layout/layout_table.h"

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace kelvaro {

// A top-level window of the program: fixed client size, no maximise button
// and no maximised or full-screen state, its background picture drawn unscaled from the top-left
// corner. What a close through the frame does is handed in: the handler returns whether the window
// may close.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(const WindowLayout& layout);
    ~FormWindow() override;

    void setCloseHandler(std::function<bool()> handler) { closeHandler_ = std::move(handler); }
    // Centres the window, frame included, now and again when it is first
    // shown and its frame is known.
    void centreOnScreen();
    // Shows the focus frame or not, now and again when the focus arrives in
    // the window: Qt 6.4 keeps the frame when a window becomes active, later
    // Qt drops it whenever the focus moves for any reason but Tab or a
    // shortcut, the window's activation included.
    void showKeyboardCues(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void focusArrived(QWidget* now);

    QPixmap background_;
    std::function<bool()> closeHandler_;
    bool centreWhenShown_ = false;
    // The focus frame to show once the focus arrives in the window.
    bool cuesOnArrival_ = false;
    bool cuesPending_ = false;
    QMetaObject::Connection focusWatch_;
};

// The widget of the window's control with this name; nullptr when there is none.
inline QWidget* controlNamed(const QWidget& window, const char* name) {
    return window.findChild<QWidget*>(QString::fromLatin1(name));
}

} // namespace kelvaro
