#include "session_run.h"

#include "calc/bitrate_calculation.h"

#include <algorithm>
#include <array>
#include <exception>
#include <optional>
#include <sstream>

namespace kelvaro {

namespace {

using Verb = SessionAction::Verb;
using Kind = Move::Kind;

} // namespace

std::string SessionRun::play(const std::vector<Move>& moves) {
    std::string failures = checker_.checkStart();
    for (const Move& move : moves) {
        for (const SessionAction& action : actionsOf(move)) {
            if (!failures.empty() || backend_.program().lifeCycle.ended()) {
                return failures;
            }
            played_.push_back(action);
            failures = apply(action);
        }
    }
    return failures;
}

std::vector<SessionAction> SessionRun::actionsOf(const Move& move) {
    Form1& f = backend_.program().form;
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
        return {{Verb::Click, "Command3"}, action};
    } else if (move.kind == Kind::ExtrasOnAnEdge) {
        return extrasFor(move.average);
    }
    return {action};
}

// Extras that make the next calculation's average land on the given one;
// with huge audio sizes they cancel those exactly. None while a field the
// calculation reads holds no number.
std::vector<SessionAction> SessionRun::extrasFor(double average) {
    const Form1& f = backend_.program().form;
    // Text1, 9, 11, 15, 16, 10, 3, 14 and 17, as the calculation reads them.
    const auto inputs = f.numberInputs();
    std::array<double, inputs.size()> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        const std::optional<double> value = f.numbers.toDouble(inputs[i]->text());
        if (!value) {
            return {};
        }
        v[i] = *value;
    }
    const double seconds = v[0] * 60;
    const double extras = (v[5] - seconds * v[1] * v[2] - seconds * v[3] * v[4] - v[7] * 512 -
                           v[8] * 1024 - average * seconds / 8) /
                          1024;
    return {{Verb::Set, "Text3", f.numbers.toText(extras)}};
}

// Typing and deleting are checked character by character.
std::string SessionRun::apply(const SessionAction& action) {
    std::vector<SessionAction> steps{action};
    if (action.verb == Verb::Keys) {
        steps.clear();
        for (const std::string& character : charactersOf(action.text)) {
            steps.push_back({Verb::Keys, action.target, character});
        }
    } else if (action.verb == Verb::Backspace) {
        steps.assign(static_cast<std::size_t>(action.number),
                     {Verb::Backspace, action.target, "", 1});
    }
    std::string failures;
    for (auto s = steps.begin(); s != steps.end() && failures.empty(); ++s) {
        failures = step(*s);
    }
    return failures;
}

std::string SessionRun::step(const SessionAction& s) {
    checker_.beforeStep();
    std::istringstream script(line(s));
    try {
        runner_.run(script);
    } catch (const std::exception& error) {
        return line(s) + " failed: " + error.what() + '\n';
    }
    return checker_.afterStep(s);
}

std::string SessionRun::line(const SessionAction& a) {
    constexpr std::array<const char*, 8> verbs{"set",  "keys",  "backspace", "choose",
                                               "edit", "slide", "click",     "close"};
    std::string line = verbs[static_cast<std::size_t>(a.verb)];
    line += a.target.empty() ? "" : ' ' + a.target;
    if (a.verb == Verb::Set || a.verb == Verb::Keys || a.verb == Verb::Edit) {
        // In double quotes, with \" and \\ escaped.
        line += " \"";
        for (char c : a.text) {
            line += (c == '"' || c == '\\') ? std::string{'\\', c} : std::string{c};
        }
        return line + '"';
    }
    const bool counted =
        a.verb == Verb::Backspace || a.verb == Verb::Choose || a.verb == Verb::Slide;
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
