#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace kelvaro {

// A synchronous event: raise() runs every connected function in the order of
// connection, before it returns. Functions are connected once, while the
// program is put together, never from inside a raise.
class Event {
public:
    void connect(std::function<void()> fn) { listeners_.push_back(std::move(fn)); }

    void raise() const {
        for (const auto& fn : listeners_) {
            fn();
        }
    }

private:
    std::vector<std::function<void()>> listeners_;
};

} // namespace kelvaro
