#include "session_action.h"

namespace kelvaro {

namespace {

// A word in double quotes, with \" and \\ escaped.
std::string quoted(const std::string& text) {
    std::string word = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            word += '\\';
        }
        word += c;
    }
    return word + '"';
}

} // namespace

std::string scriptLine(const SessionAction& a) {
    using Verb = SessionAction::Verb;
    switch (a.verb) {
    case Verb::Set:
        return "set " + a.target + ' ' + quoted(a.text);
    case Verb::Keys:
        return "keys " + a.target + ' ' + quoted(a.text);
    case Verb::Edit:
        return "edit " + a.target + ' ' + quoted(a.text);
    case Verb::Backspace:
        return "backspace " + a.target + ' ' + std::to_string(a.number);
    case Verb::Choose:
        return "choose " + a.target + ' ' + std::to_string(a.number);
    case Verb::Slide:
        return "slide " + std::to_string(a.number);
    case Verb::Click:
        return "click " + a.target;
    case Verb::Close:
        return "close " + a.target;
    }
    return {};
}

std::string sessionScript(const std::vector<SessionAction>& actions, char separator,
                          const std::string& origin, bool dumpAfterEach) {
    std::string script =
        "# " + origin + "\n# run with LC_ALL=" + (separator == ',' ? "de_DE.UTF-8" : "C") + "\n";
    for (const SessionAction& action : actions) {
        script += scriptLine(action) + (dumpAfterEach ? "\ndump\n" : "\n");
    }
    return dumpAfterEach ? script : script + "dump\n";
}

} // namespace kelvaro
