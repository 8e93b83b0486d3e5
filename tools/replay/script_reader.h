#pragma once

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvaro {

// A line of a replay script that could not be understood.
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& why)
        : std::runtime_error("line " + std::to_string(line) + ": " + why), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

struct ScriptCommand {
    int line = 0;
    std::vector<std::string> words;
};

// Reads replay scripts: one command a line, words separated by blanks, a word
// in double quotes may hold blanks ("" is the empty text; \" and \\ inside
// quotes). Blank lines and lines starting with # are skipped.
class ScriptReader {
public:
    explicit ScriptReader(std::istream& in) : in_(in) {}

    // The next command, or nothing at the end of the script.
    std::optional<ScriptCommand> next();

    static std::vector<std::string> splitWords(const std::string& text, int line);

private:
    std::istream& in_;
    int line_ = 0;
};

} // namespace kelvaro
