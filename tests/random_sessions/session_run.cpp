#include "session_run.h"

#include <algorithm>
#include <exception>
#include <sstream>

namespace kelvaro {

using Kind = Move::Kind;

std::string SessionRun::play(const std::vector<Move>& moves) {
    std::string failures = checkStart();
    for (const Move& move : moves) {
        for (const SessionAction& action : actionsOf(move)) {
            if (!failures.empty() || program_.lifeCycle.ended()) {
                return failures;
            }
            played_.push_back(action);
            failures = apply(action);
        }
    }
    return failures;
}

std::vector<SessionAction> SessionRun::actionsOf(const Move& move) {
    Form1& f = program_.form;
    SessionAction action = move.action;
    if (move.kind == Kind::FixBadField) {
        const auto typed = f.typedFields();
        const auto* bad = std::find_if(typed.begin(), typed.end(), [&f](const TextBox* field) {
            return !f.numbers.toDouble(field->text());
        });
        action.target = bad == typed.end() ? action.target : (*bad)->name();
    } else if (move.kind == Kind::SlideAlong) {
        const ScrollBar& s = f.minutesSlider;
        action.number =
            action.number < 0 ? s.value() : s.min() + (s.max() - s.min()) * action.number / 1000;
    } else if (move.kind == Kind::VisitAbout) {
        return {{"click", "Command3"}, action};
    } else if (move.kind == Kind::ExtrasOnAnEdge) {
        return extrasFor(move.average);
    }
    return {action};
}

// Typing and deleting are checked character by character.
std::string SessionRun::apply(const SessionAction& action) {
    std::vector<SessionAction> steps{action};
    if (action.verb == "keys") {
        steps.clear();
        for (const std::string& character : charactersOf(action.text)) {
            steps.push_back({"keys", action.target, character});
        }
    } else if (action.verb == "backspace") {
        steps.assign(static_cast<std::size_t>(action.number), {"backspace", action.target, "", 1});
    }
    std::string failures;
    for (auto s = steps.begin(); s != steps.end() && failures.empty(); ++s) {
        failures = step(*s);
    }
    return failures;
}

std::string SessionRun::step(const SessionAction& s) {
    beforeStep();
    std::istringstream script(line(s));
    try {
        runner_.run(script);
    } catch (const std::exception& error) {
        return line(s) + " failed: " + error.what() + '\n';
    }
    return afterStep(s);
}

std::string SessionRun::line(const SessionAction& a) {
    std::string line = a.verb + (a.target.empty() ? "" : ' ' + a.target);
    if (a.verb == "set" || a.verb == "keys" || a.verb == "edit") {
        // In double quotes, with \" and \\ escaped.
        line += " \"";
        for (char c : a.text) {
            line += (c == '"' || c == '\\') ? std::string{'\\', c} : std::string{c};
        }
        return line + '"';
    }
    const bool counted = a.verb == "backspace" || a.verb == "choose" || a.verb == "slide";
    return counted ? line + ' ' + std::to_string(a.number) : line;
}

std::string SessionRun::script(const std::string& origin, bool dumpAfterEach) const {
    std::string script =
        "# " + origin + "\n# run with LC_ALL=" + (separator_ == ',' ? "de_DE.UTF-8" : "C") + "\n";
    for (const SessionAction& action : played_) {
        script += line(action) + (dumpAfterEach ? "\ndump\n" : "\n");
    }
    return dumpAfterEach ? script : script + "dump\n";
}

} // namespace kelvaro
