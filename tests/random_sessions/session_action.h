#pragma once

#include <string>
#include <vector>

namespace kelvaro {

// One user action of a session, as a replay script states it.
struct SessionAction {
    enum class Verb { Set, Keys, Backspace, Choose, Edit, Slide, Click, Close };

    Verb verb = Verb::Click;
    std::string target{}; // field, list, button or window; empty for a slide
    std::string text{};   // for set, keys and edit
    int number = 0;       // backspace count, list index or slider value
};

// The action as one line of a replay script.
std::string scriptLine(const SessionAction& action);

// A session as a replay script for kelvaro-replay: a comment with the origin
// and the locale to run it in, the actions, and a dump after each one or
// only at the end.
std::string sessionScript(const std::vector<SessionAction>& actions, char separator,
                          const std::string& origin, bool dumpAfterEach);

} // namespace kelvaro
