#pragma once

#include <QObject>

class QEvent;

namespace kelvaro {

// Watches the whole application, while it exists, for the release of a key
// that the window system's keyboard let go: a release that no repeat made.
class KeyReleaseWatch : public QObject {
public:
    explicit KeyReleaseWatch(int key);
    ~KeyReleaseWatch() override;
    KeyReleaseWatch(const KeyReleaseWatch&) = delete;
    KeyReleaseWatch& operator=(const KeyReleaseWatch&) = delete;

    bool released() const { return released_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int key_;
    bool released_ = false;
};

} // namespace kelvaro
