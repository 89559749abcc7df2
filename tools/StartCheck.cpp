// Starts the program, waits for its main window, closes it and says whether all of that
// worked: the last check on a release build before it is zipped.
#include <windows.h>

#include <cstdio>

#include "support/ExternalProgram.h"

namespace {

// Generous: the first program of a fresh Wine prefix also waits for Wine's own services.
constexpr DWORD kWindowWaitMs = 60000;
constexpr DWORD kExitWaitMs = 30000;

int Fail(const char* program, const char* what)
{
    std::fprintf(stderr, "%s %s\n", program, what);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: StartCheck <Windows path of Vantorelle.exe>\n");
        return 2;
    }
    const char* path = argv[1];
    ExternalProgram program(path);
    if (!program.Started()) {
        return Fail(path, "could not be started");
    }
    HWND frame = program.WaitForWindow("MainClass", "Vantorelle", kWindowWaitMs);
    if (!frame) {
        return Fail(path, program.Running() ? "showed no main window" : "ended without showing its main window");
    }
    // A fresh start has nothing unsaved, so closing asks nothing.
    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD exitCode = 0;
    if (!program.WaitForExit(kExitWaitMs, &exitCode)) {
        return Fail(path, "did not end after its main window was closed");
    }
    if (exitCode != 0) {
        return Fail(path, "ended with a failure exit code");
    }
    std::printf("%s opened its main window and closed\n", path);
    return 0;
}
