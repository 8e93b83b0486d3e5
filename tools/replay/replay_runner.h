#pragma once

#include "replay_backend.h"
#include "script_reader.h"

#include <array>
#include <istream>
#include <ostream>
#include <string_view>

namespace kelvaro {

// Runs a replay script on a backend: checks each command, carries it out as a
// user action, and prints dumps, reports of bad input and the end.
class ReplayRunner {
public:
    ReplayRunner(ReplayBackend& backend, std::ostream& out);

    // Runs the whole script; throws ScriptError on a command it cannot run.
    void run(std::istream& script);

private:
    void execute(const ScriptCommand& command);
    void fieldCommand(const ScriptCommand& command);
    void comboCommand(const ScriptCommand& command);
    void slide(const ScriptCommand& command);
    void click(const ScriptCommand& command);
    void close(const ScriptCommand& command);
    void dump(const ScriptCommand& command);

    void requireShown(const Window& window, const ScriptCommand& command) const;
    void requireWords(const ScriptCommand& command, std::size_t min, std::size_t max) const;
    int wholeNumber(const std::string& word, const ScriptCommand& command) const;

    ReplayBackend& backend_;
    std::ostream& out_;
    bool ended_ = false;
};

} // namespace kelvaro
