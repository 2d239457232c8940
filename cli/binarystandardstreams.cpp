// Built into zavctl on Windows only. The C runtime there opens standard input,
// output and error in text mode, which writes every "\n" as "\r\n" (a CSV
// line ending in "\r\n" came out as "\r\r\n") and drops the "\r" of what is
// read. zavctl's bytes must be the same as on Linux, so the three streams are
// switched to binary before main() runs.
#include <fcntl.h>
#include <io.h>

namespace {
[[maybe_unused]] const bool standardStreamsBinary = [] {
    for (int descriptor = 0; descriptor <= 2; ++descriptor)
        _setmode(descriptor, _O_BINARY);
    return true;
}();
} // namespace
