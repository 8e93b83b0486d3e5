#include "key_release_watch.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace kelvaro {

KeyReleaseWatch::KeyReleaseWatch(int key) : key_(key) {
    QCoreApplication::instance()->installEventFilter(this);
}

KeyReleaseWatch::~KeyReleaseWatch() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool KeyReleaseWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() == key_ && !key->isAutoRepeat()) {
            released_ = true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvaro
