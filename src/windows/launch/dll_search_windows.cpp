// Where Windows looks for the DLLs the program loads: the system folder only.
// A DLL planted beside the program, or in the folder it was started from, is
// never loaded in place of a system one.
#include <windows.h>

// The loader reads DependentLoadFlags from the image's load configuration
// when it resolves the imports of the program itself; the linker points the
// image's load-configuration entry at this symbol. Its first field is its
// size, which tells the loader which fields it holds. Constant data, so that
// it is in the image before any code runs. The headers still call
// DependentLoadFlags by its old name, Reserved1.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers" // every other field is zero
extern "C" __attribute__((used)) const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used = {
    .Size = sizeof(IMAGE_LOAD_CONFIG_DIRECTORY64),
    .Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32,
};

namespace {

// The same rule for what Qt and the system load at run time, set before
// main() and before any library is asked for.
[[maybe_unused]] const bool systemFolderOnly =
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != 0;

} // namespace
