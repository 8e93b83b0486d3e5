// The replay's output is the same bytes on every platform, so that a run on
// Windows compares with the expected texts as they are: lines end in a line
// feed alone, not in the carriage return and line feed of Windows' text mode.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {

[[maybe_unused]] const int outputMode = _setmode(_fileno(stdout), _O_BINARY);

} // namespace
