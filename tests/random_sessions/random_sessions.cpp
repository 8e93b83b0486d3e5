#include "random_sessions.h"

#include "random_source.h"
#include "session_generator.h"
#include "session_run.h"
#include "session_shrinker.h"

#include <cctype>

namespace kelvaro {

std::string RandomSessions::kindOf(const std::string& failure) {
    std::string kind;
    bool quoted = false;
    for (char c : failure) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && !std::isdigit(static_cast<unsigned char>(c))) {
            kind += c;
        }
    }
    return kind;
}

RandomSessions::Session RandomSessions::run(std::uint64_t index) {
    RandomSource random(RandomSource(seed_ ^ (index * 0xD1B54A32D192ED03ULL)).next());
    Session session;
    session.index = index;
    session.separator = random.percent(50) ? ',' : '.';
    const int length = random.between(1, longestSession_);
    SessionGenerator generator(random, session.separator);
    SessionRun run(session.separator);
    if (fault_) {
        fault_(run.program());
    }
    session.failures = run.startFailures();
    for (int i = 0; i < length && session.failures.empty() && !run.ended(); ++i) {
        session.actions.push_back(generator.next(run.program()));
        session.failures = run.apply(session.actions.back());
    }
    ++figures_.sessions;
    figures_.actions += static_cast<long>(session.actions.size());
    figures_.steps += run.steps();
    figures_.succeeded += run.counts().succeeded;
    figures_.refused += run.counts().refused;
    figures_.reports += run.counts().reports;
    figures_.ended += run.ended() ? 1 : 0;
    return session;
}

std::vector<std::string> RandomSessions::failuresOf(const std::vector<SessionAction>& actions,
                                                    char separator,
                                                    std::vector<SessionAction>* applied) const {
    SessionRun run(separator);
    if (fault_) {
        fault_(run.program());
    }
    if (!run.startFailures().empty()) {
        return run.startFailures();
    }
    for (const SessionAction& action : actions) {
        if (!run.applicable(action)) {
            continue;
        }
        if (applied) {
            applied->push_back(action);
        }
        std::vector<std::string> failures = run.apply(action);
        if (!failures.empty()) {
            return failures;
        }
    }
    return {};
}

RandomSessions::Session RandomSessions::shrink(const Session& failing) const {
    const std::string kind = failing.failures.empty() ? "" : kindOf(failing.failures.front());
    SessionShrinker shrinker([&](const std::vector<SessionAction>& actions) {
        const std::vector<std::string> failures = failuresOf(actions, failing.separator);
        return !failures.empty() && kindOf(failures.front()) == kind;
    });
    Session shrunk = failing;
    const std::vector<SessionAction> shortest = shrinker.shrink(failing.actions);
    shrunk.actions.clear();
    shrunk.failures = failuresOf(shortest, failing.separator, &shrunk.actions);
    return shrunk;
}

} // namespace kelvaro
