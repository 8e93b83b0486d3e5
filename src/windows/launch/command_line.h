#pragma once

#include "launch/display_check.h"

#include <string>
#include <vector>

namespace kelvaro {

// The program's reading of its arguments, before Qt sees them. Kelvaro's own
// options are --help and --version; everything else goes to Qt unchanged.
// The arguments are read as Qt reads its generic options (with one dash or
// two, an option's value taken from the next argument), so that a value such
// as the one in "-style --help" is never taken for an option of Kelvaro's.
// What Qt does not know and starts with two dashes is an unknown option; a
// lone "--" ends Kelvaro's options.
class CommandLine {
public:
    enum class Request { start, help, version, unknownOption };

    // The arguments after the program's name.
    explicit CommandLine(std::vector<std::string> arguments);
    CommandLine(int argc, const char* const* argv);

    Request request() const { return request_; }
    // The argument that made the request unknownOption.
    const std::string& unknownOption() const { return unknownOption_; }
    // The -platform and -display values, for the check for a display.
    const DisplayChoice& displayChoice() const { return displayChoice_; }

private:
    void decide(const std::vector<std::string>& leftForTheProgram);

    Request request_ = Request::start;
    std::string unknownOption_;
    DisplayChoice displayChoice_;
};

} // namespace kelvaro
