#pragma once

#include "control_reader.h"
#include "handlers/program.h"

#include <string>
#include <utility>
#include <vector>

namespace kelvaro {

using StateDump = std::vector<std::pair<std::string, std::string>>;

// The user actions of a replay script, carried out on one way of driving the
// program. The runner has checked every name and range before it calls.
class ReplayBackend {
public:
    virtual ~ReplayBackend() = default;

    // The program as the core sees it, for checking commands and for reports.
    virtual Program& program() = 0;

    virtual void set(const std::string& field, const std::string& text) = 0;
    virtual void keys(const std::string& field, const std::string& text) = 0;
    virtual void backspace(const std::string& field, int times) = 0;
    virtual void choose(const std::string& combo, int index) = 0;
    virtual void edit(const std::string& combo, const std::string& text) = 0;
    virtual void slide(int value) = 0;
    virtual void click(const std::string& button) = 0;
    virtual void close(const std::string& window) = 0;

    // Every shown control, as the user sees it.
    virtual StateDump dump() = 0;
};

// The state of the program in the dump's order, read from the core's
// controls or, through another reader, from what the windows show.
StateDump dumpOf(const Program& program, const ControlReader& read = ControlReader());

// Splits a UTF-8 text into its characters.
std::vector<std::string> charactersOf(const std::string& text);

} // namespace kelvaro
