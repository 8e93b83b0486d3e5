#pragma once

#include "session_action.h"

#include <functional>
#include <vector>

namespace kelvaro {

// Shrinks a failing session to a short one that still fails the same way:
// delta debugging over the actions (chunks, then complements, then single
// actions), then shorter texts and counts within the actions left.
class SessionShrinker {
public:
    using Fails = std::function<bool(const std::vector<SessionAction>&)>;

    explicit SessionShrinker(Fails fails) : fails_(std::move(fails)) {}

    std::vector<SessionAction> shrink(std::vector<SessionAction> actions);

    // How many candidate sessions were tried.
    long tries() const { return tries_; }

private:
    bool fails(const std::vector<SessionAction>& actions);
    std::vector<SessionAction> minimise(std::vector<SessionAction> actions);
    void simplifyTexts(std::vector<SessionAction>& actions);

    Fails fails_;
    long tries_ = 0;
};

} // namespace kelvaro
