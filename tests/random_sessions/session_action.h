#pragma once

#include <string>
#include <vector>

namespace kelvaro {

// One user action of a random session, as a replay script states it.
struct SessionAction {
    enum class Verb { Set, Keys, Backspace, Choose, Edit, Slide, Click, Close };

    Verb verb = Verb::Click;
    std::string target{}; // field, list, button or window; empty for a slide
    std::string text{};   // for set, keys and edit
    int number = 0;       // backspace count, list index or slider value

    bool operator==(const SessionAction&) const = default;
};

// The action as one line of a replay script.
std::string scriptLine(const SessionAction& action);

// A word of a replay script in double quotes, with \" and \\ escaped.
std::string quotedWord(const std::string& text);

// The locale a session runs in, by its decimal separator.
const char* localeFor(char separator);

// A whole session as a replay script: a comment naming the locale and the
// origin, the actions, and a dump after every action when asked (and always
// at the end).
std::string sessionScript(const std::vector<SessionAction>& actions, char separator,
                          const std::string& origin, bool dumpAfterEach);

} // namespace kelvaro
