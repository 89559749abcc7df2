// A program started as a process of its own and watched from outside: its windows, their
// texts, the processes it starts, and pictures of the screen.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

class ExternalProgram {
public:
    // Starts the executable (a Windows path) with its own folder as the working folder;
    // Started() tells whether the process exists.
    explicit ExternalProgram(const std::string& executable);
    // A program still running is ended, so that a failed test leaves no process behind.
    ~ExternalProgram();
    ExternalProgram(const ExternalProgram&) = delete;
    ExternalProgram& operator=(const ExternalProgram&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD ProcessId() const { return processId_; }
    bool Running() const;
    // True when the process ended within timeoutMs; its exit code in *exitCode.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    // A visible top-level window of this process with the class (and title, when not
    // null), waited for up to timeoutMs; null when none came.
    HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs) const;
    HWND Window(const char* className, const char* title = nullptr) const;
    // Waits until the program's thread waits for input with nothing queued.
    bool WaitForIdle(DWORD timeoutMs) const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// Polls condition every intervalMs until it holds or timeoutMs has passed; its last value.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD intervalMs = 10);

// A visible top-level window of the process with the class (any class when null); null when none.
HWND TopLevelWindowOf(DWORD processId, const char* className = nullptr);
// The direct child of parent with the class (compared ignoring case, as the system does).
HWND ChildOfClass(HWND parent, const char* className);
// The text a message writes into a caller's buffer (wParam as given, lParam the buffer),
// sent to a window of another process: the buffer is made in that process, since pointers
// of this one mean nothing there. For texts Wine does not carry across, like SB_GETTEXTA.
std::string TextThroughRemoteBuffer(HWND window, UINT message, WPARAM wParam, size_t size = 1024);

// The running processes: id -> executable name.
std::map<DWORD, std::string> RunningProcesses();
// Ends a process by its id; true when it is gone.
bool EndProcess(DWORD processId);
bool WaitForProcessIdle(DWORD processId, DWORD timeoutMs);

// Wine keeps what a window paints in its own memory and hands it to the X server at most
// every 50 ms or when the thread goes idle; a picture of the screen taken sooner misses it.
constexpr DWORD kScreenCatchUpMs = 120;
// The colour the screen shows at a point.
COLORREF ScreenPixel(POINT screen);

// Writes what the screen shows (area, in screen coordinates, or all of it) to a 24-bit
// BMP file; false when the file could not be written.
bool SaveScreenshot(const std::string& file, const RECT* area = nullptr);
