#pragma once

#include "launch/command_line.h"

#include <optional>

namespace kelvaro {

// Answers --help, --version and an unknown option on the terminal, without
// any window, and gives the exit status; nothing when the program is to
// start.
std::optional<int> answerWithoutWindow(const CommandLine& commandLine);

} // namespace kelvaro
