#include "session_run.h"

#include <exception>
#include <optional>
#include <sstream>

namespace kelvaro {

namespace {

using Verb = SessionAction::Verb;
using Kind = Move::Kind;

} // namespace

SessionRun::SessionRun(char separator) : backend_(NumberFormat(separator)) {}

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
    switch (move.kind) {
    case Kind::Action:
        break;
    case Kind::FixBadField:
        for (std::string_view field : ReplayRunner::kTypedFields) {
            if (!f.numbers.toDouble(f.textBox(field)->text())) {
                action.target = field;
                break;
            }
        }
        break;
    case Kind::SlideAlong: {
        const ScrollBar& s = f.HScroll1;
        action.number =
            action.number < 0 ? s.value() : s.min() + (s.max() - s.min()) * action.number / 1000;
        break;
    }
    case Kind::VisitAbout:
        return {{Verb::Click, "Command3"}, action};
    case Kind::ExtrasOnAnEdge:
        return extrasFor(move.average);
    }
    return {action};
}

// Extras that make the next calculation's average land on the given one;
// with huge audio sizes they cancel those exactly. None while a field the
// calculation reads holds no number.
std::vector<SessionAction> SessionRun::extrasFor(double average) {
    const Form1& f = backend_.program().form;
    std::vector<double> in;
    for (const TextBox* box :
         {&f.Text1, &f.Text9, &f.Text11, &f.Text15, &f.Text16, &f.Text10, &f.Text14, &f.Text17}) {
        const std::optional<double> value = f.numbers.toDouble(box->text());
        if (!value) {
            return {};
        }
        in.push_back(*value);
    }
    const double seconds = in[0] * 60;
    const double extras = (in[5] - seconds * in[1] * in[2] - seconds * in[3] * in[4] - in[6] * 512 -
                           in[7] * 1024 - average * seconds / 8) /
                          1024;
    return {{Verb::Set, "Text3", f.numbers.toText(extras)}};
}

std::string SessionRun::apply(const SessionAction& action) {
    if (action.verb != Verb::Keys && action.verb != Verb::Backspace) {
        return step(action);
    }
    // Typing and deleting are checked character by character.
    std::vector<SessionAction> steps;
    for (const std::string& character : charactersOf(action.text)) {
        steps.push_back({Verb::Keys, action.target, character});
    }
    for (int i = 0; i < action.number; ++i) {
        steps.push_back({Verb::Backspace, action.target, "", 1});
    }
    for (const SessionAction& s : steps) {
        if (std::string failures = step(s); !failures.empty()) {
            return failures;
        }
    }
    return {};
}

std::string SessionRun::step(const SessionAction& s) {
    checker_.beforeStep();
    std::istringstream line(scriptLine(s));
    try {
        runner_.run(line);
    } catch (const std::exception& error) {
        return std::string("\"") + scriptLine(s) + "\" failed: " + error.what() + '\n';
    }
    return checker_.afterStep(s);
}

} // namespace kelvaro
