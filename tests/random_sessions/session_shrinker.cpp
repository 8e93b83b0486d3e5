#include "session_shrinker.h"

#include <algorithm>

namespace kelvaro {

namespace {

using Actions = std::vector<SessionAction>;

Actions slice(const Actions& actions, std::size_t begin, std::size_t end) {
    return Actions(actions.begin() + static_cast<long>(begin),
                   actions.begin() + static_cast<long>(end));
}

Actions without(const Actions& actions, std::size_t begin, std::size_t end) {
    Actions rest = slice(actions, 0, begin);
    rest.insert(rest.end(), actions.begin() + static_cast<long>(end), actions.end());
    return rest;
}

// The positions where the UTF-8 characters of a text start.
std::vector<std::size_t> characterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            starts.push_back(i);
        }
    }
    return starts;
}

} // namespace

bool SessionShrinker::fails(const Actions& actions) {
    ++tries_;
    return fails_(actions);
}

Actions SessionShrinker::shrink(Actions actions) {
    actions = minimise(std::move(actions));
    simplifyTexts(actions);
    return actions;
}

Actions SessionShrinker::minimise(Actions actions) {
    std::size_t parts = 2;
    while (actions.size() >= 2) {
        const std::size_t size = actions.size();
        const std::size_t chunk = (size + parts - 1) / parts;
        bool reduced = false;
        for (std::size_t begin = 0; begin < size && !reduced; begin += chunk) {
            const std::size_t end = std::min(size, begin + chunk);
            if (Actions part = slice(actions, begin, end); fails(part)) {
                actions = std::move(part);
                parts = 2;
                reduced = true;
            }
        }
        for (std::size_t begin = 0; begin < size && !reduced; begin += chunk) {
            const std::size_t end = std::min(size, begin + chunk);
            if (Actions rest = without(actions, begin, end); fails(rest)) {
                actions = std::move(rest);
                parts = std::max<std::size_t>(parts - 1, 2);
                reduced = true;
            }
        }
        if (!reduced) {
            if (parts >= size) {
                break;
            }
            parts = std::min(parts * 2, size);
        }
    }
    return actions;
}

void SessionShrinker::simplifyTexts(Actions& actions) {
    for (SessionAction& action : actions) {
        while (action.verb == SessionAction::Verb::Backspace && action.number > 1) {
            Actions candidate = actions;
            candidate[static_cast<std::size_t>(&action - actions.data())].number--;
            if (!fails(candidate)) {
                break;
            }
            action.number--;
        }
        // Drop characters one at a time while the session still fails.
        for (bool dropped = true; dropped;) {
            dropped = false;
            const std::vector<std::size_t> starts = characterStarts(action.text);
            for (std::size_t k = 0; k < starts.size() && !dropped; ++k) {
                const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : action.text.size();
                Actions candidate = actions;
                SessionAction& shorter =
                    candidate[static_cast<std::size_t>(&action - actions.data())];
                shorter.text.erase(starts[k], end - starts[k]);
                if (fails(candidate)) {
                    action.text = shorter.text;
                    dropped = true;
                }
            }
        }
    }
}

} // namespace kelvaro
