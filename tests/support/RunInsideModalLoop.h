// Driving a modal wait from inside: actions run by thread timers in whatever loop is running.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Runs action once, on this thread, from the message loop that is running when delayMs
// have passed (typically the wait of a modal Show called right after). Returns an id for
// CancelModalAction.
UINT_PTR RunInsideModalLoop(std::function<void()> action, UINT delayMs = 1);
void CancelModalAction(UINT_PTR id);
// Cancels every action that has not run yet; for a fixture's TearDown.
void CancelAllModalActions();

// A modal wait that a failing test never ends would hold the test run for ever: after
// delayMs, a window of this class still open on this thread is reported as a failure and
// destroyed. Cancelled with the other actions.
void GuardAgainstOpenWindow(const char* className, UINT delayMs = 5000);

// A key press as the window with the focus receives it: key down, then key up.
void PressKey(WPARAM key);

// A top-level window of this thread with the class name, or null.
HWND FindThreadWindow(const char* className);
// Number of top-level windows of this thread with the class name.
int CountThreadWindows(const char* className);
// Number of direct children of a window.
int CountChildWindows(HWND parent);
// A window's title (a button's text), or "" for no window.
std::string TitleOf(HWND window);
