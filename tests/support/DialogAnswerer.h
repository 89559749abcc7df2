// Answers a window of this process (a common dialog, a system message box) from a second
// thread, the way a user would, while the test thread sits in the window's modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

// Waits up to timeoutMs for a visible top-level window of this process with the given class
// (e.g. "#32770" for dialogs and message boxes) and, when title is not null, that title.
// Null when none appeared in time.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs);

// A control anywhere below window, found by its id (and class, when given: ids repeat in
// nested windows, the file dialogs' file list has id 1 like their OK button) or, for
// buttons, by its text compared without the '&' of its mnemonic ("Yes" finds "&Yes").
// Null when there is none.
HWND FindControl(HWND window, int id, const char* className = nullptr);
HWND FindButton(HWND window, const char* text);

std::string WindowText(HWND window);
// Sets the text of the control with that id below window, or of the edit inside it when it
// is an editable combo box; false when it is not there.
bool SetControlText(HWND window, int id, const char* text);
// Clicks a button, found by id or text: its parent gets the WM_COMMAND a click sends. The message is posted, so
// the answering thread never waits for what the click starts (another modal box, say).
bool ClickButton(HWND window, int id);
bool ClickButton(HWND window, const char* text);

// An answer for a window that brings up another one (a question, then a dialog or a
// warning): first answers the window, and once it is gone then answers the next window of
// the same class.
std::function<void(HWND)> InTurn(std::function<void(HWND)> first, std::function<void(HWND)> then);

// Runs answer on the first matching window from a thread of its own. A window still open
// when timeoutMs has passed after the answer is closed, so that a failed answer ends the
// modal loop instead of hanging the test.
class DialogAnswerer {
public:
    using Answer = std::function<void(HWND window)>;

    DialogAnswerer(const char* className, const char* title, Answer answer, DWORD timeoutMs = 10000);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Waits for the thread; true when the window appeared and was gone before the timeout.
    bool Finished();

private:
    std::thread thread_;
    bool answered_ = false;
};
