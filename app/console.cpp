#include "console.h"

#ifdef _WIN32
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace weather {

#ifdef _WIN32
namespace {

UINT consoleCodePage = 0; // the console's code page before the program set UTF-8

void restoreCodePage() {
    if (consoleCodePage != 0)
        SetConsoleOutputCP(consoleCodePage);
}

bool isConsole(DWORD stream) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}

} // namespace

void prepareStandardStreams() {
    // Binary mode: a file or pipe gets the same bytes as on Linux, and "-" reads CR LF unchanged.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (isConsole(STD_OUTPUT_HANDLE) || isConsole(STD_ERROR_HANDLE)) {
        const UINT current = GetConsoleOutputCP();
        if (current != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
            consoleCodePage = current;
            std::atexit(restoreCodePage);
        }
    }
}

void releaseOwnConsole() {
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1)
        FreeConsole();
}

#else

void prepareStandardStreams() {}
void releaseOwnConsole() {}

#endif

} // namespace weather
