// A windows program has no console of its own. Started from a command prompt
// with --help or --version, it writes its answer into that prompt's console;
// where its output already goes somewhere (a file, a pipe), it stays there.
#include <windows.h>

#include <cstdio>

namespace {

bool outputGoesNowhere() {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    return output == nullptr || output == INVALID_HANDLE_VALUE ||
           GetFileType(output) == FILE_TYPE_UNKNOWN;
}

// Before main(), so that nothing has been written yet.
[[maybe_unused]] const bool consoleAttached = [] {
    if (!outputGoesNowhere() || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return false;
    }
    return std::freopen("CONOUT$", "w", stdout) != nullptr &&
           std::freopen("CONOUT$", "w", stderr) != nullptr;
}();

} // namespace
