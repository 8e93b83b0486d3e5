#include "session_action.h"

namespace kelvaro {

std::string quotedWord(const std::string& text) {
    std::string word = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            word += '\\';
        }
        word += c;
    }
    return word + '"';
}

std::string scriptLine(const SessionAction& action) {
    using Verb = SessionAction::Verb;
    switch (action.verb) {
    case Verb::Set:
        return "set " + action.target + ' ' + quotedWord(action.text);
    case Verb::Keys:
        return "keys " + action.target + ' ' + quotedWord(action.text);
    case Verb::Backspace:
        return "backspace " + action.target + ' ' + std::to_string(action.number);
    case Verb::Choose:
        return "choose " + action.target + ' ' + std::to_string(action.number);
    case Verb::Edit:
        return "edit " + action.target + ' ' + quotedWord(action.text);
    case Verb::Slide:
        return "slide " + std::to_string(action.number);
    case Verb::Click:
        return "click " + action.target;
    case Verb::Close:
        return "close " + action.target;
    }
    return {};
}

const char* localeFor(char separator) {
    return separator == ',' ? "de_DE.UTF-8" : "C";
}

std::string sessionScript(const std::vector<SessionAction>& actions, char separator,
                          const std::string& origin, bool dumpAfterEach) {
    std::string script = "# " + origin + "\n# run with LC_ALL=" + localeFor(separator) + "\n";
    for (const SessionAction& action : actions) {
        script += scriptLine(action) + '\n';
        if (dumpAfterEach) {
            script += "dump\n";
        }
    }
    if (!dumpAfterEach) {
        script += "dump\n";
    }
    return script;
}

} // namespace kelvaro
