// Random user sessions on the core keep every invariant at every step. A
// failing session is shrunk by RapidCheck and shown as a replay script.
#include "session_gen.h"
#include "session_run.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

namespace kelvaro {
namespace {

RC_GTEST_PROP(RandomSessions, KeepEveryInvariantAtEveryStep, ()) {
    const Session session = *sessions();
    SessionRun run(session.separator);
    const std::string failures = run.play(session.moves);
    if (!failures.empty()) {
        RC_FAIL(failures + "----- replay script -----\n" +
                run.script("shrunk by RapidCheck", false));
    }
}

} // namespace
} // namespace kelvaro
