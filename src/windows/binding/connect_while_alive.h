#pragma once

#include "runtime/event.h"

#include <QObject>
#include <QPointer>

#include <utility>

namespace kelvaro {

// Connects fn to one of the core's events for as long as a Qt object lives:
// the core outlives the windows, and a widget can be gone before the core's
// next event. The context is the object fn works on, as with a Qt signal's
// context object; once it is destroyed, a raise runs nothing.
template <typename Fn> void connectWhileAlive(Event& event, QObject& context, Fn fn) {
    event.connect([guard = QPointer<QObject>(&context), fn = std::move(fn)] {
        if (!guard.isNull()) {
            fn();
        }
    });
}

} // namespace kelvaro
