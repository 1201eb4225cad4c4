#include "ui/win32/Win32App.h"

#include <windows.h>

#include <cstdlib>
#include <exception>

// libstdc++'s default terminate handler prints the uncaught exception's demangled type to stderr, which
// a GUI program does not have, and links in the C++ demangler (about 46 KB) for it. This definition
// takes the place of the library's, as a libstdc++ configured with --disable-libstdcxx-verbose does:
// std::terminate still ends the program at once with std::abort, only the message goes.
void __gnu_cxx::__verbose_terminate_handler() {
    std::abort();
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int nCmdShow) {
    // Every run starts in Russian; the command line is not consulted.
    return runBazelot(instance, nCmdShow);
}
