#include "session_run.h"

#include <exception>

namespace kelvaro {

namespace {

using Verb = SessionAction::Verb;

} // namespace

SessionRun::SessionRun(char separator)
    : backend_(NumberFormat(separator)), checker_(backend_.program()) {
    startFailures_ = checker_.checkStart();
}

bool SessionRun::applicable(const SessionAction& action) {
    if (ended()) {
        return false;
    }
    const Program& p = program();
    const bool form1 = p.form.window.visible();
    switch (action.verb) {
    case Verb::Set:
    case Verb::Keys:
    case Verb::Backspace:
    case Verb::Edit:
        return form1;
    case Verb::Choose:
        return form1 && action.number >= 0 &&
               action.number <
                   static_cast<int>(program().form.comboBox(action.target)->items().size());
    case Verb::Slide:
        return form1 && p.form.minutesSlider.accepts(action.number);
    case Verb::Click:
    case Verb::Close:
        if (action.target == "About.Command1" || action.target == "About") {
            return p.about.visible();
        }
        return form1;
    }
    return false;
}

std::vector<std::string> SessionRun::apply(const SessionAction& action) {
    if (action.verb == Verb::Keys) {
        for (const std::string& character : charactersOf(action.text)) {
            std::vector<std::string> failures = step({Verb::Keys, action.target, character, 0});
            if (!failures.empty()) {
                return failures;
            }
        }
        return {};
    }
    if (action.verb == Verb::Backspace) {
        for (int i = 0; i < action.number; ++i) {
            std::vector<std::string> failures = step({Verb::Backspace, action.target, "", 1});
            if (!failures.empty()) {
                return failures;
            }
        }
        return {};
    }
    return step(action);
}

std::vector<std::string> SessionRun::step(const SessionAction& s) {
    ++steps_;
    checker_.beforeStep();
    try {
        switch (s.verb) {
        case Verb::Set:
            backend_.set(s.target, s.text);
            break;
        case Verb::Keys:
            backend_.keys(s.target, s.text);
            break;
        case Verb::Backspace:
            backend_.backspace(s.target, 1);
            break;
        case Verb::Choose:
            backend_.choose(s.target, s.number);
            break;
        case Verb::Edit:
            backend_.edit(s.target, s.text);
            break;
        case Verb::Slide:
            backend_.slide(s.number);
            break;
        case Verb::Click:
            backend_.click(s.target);
            break;
        case Verb::Close:
            backend_.close(s.target);
            break;
        }
    } catch (const std::exception& error) {
        return {std::string("the program threw: ") + error.what()};
    }
    return checker_.afterStep(s);
}

} // namespace kelvaro
