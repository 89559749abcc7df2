// A hidden window that runs test code when a message posted to it is dispatched: the way a
// test acts from inside a message pump that the code under test runs.
#pragma once

#include <windows.h>

#include <functional>

class ProbeWindow {
public:
    ProbeWindow();
    ~ProbeWindow();
    ProbeWindow(const ProbeWindow&) = delete;
    ProbeWindow& operator=(const ProbeWindow&) = delete;

    // Posts a message whose dispatch runs action (once, on this thread).
    void Post(std::function<void()> action);
    // How many posted actions have run.
    int Runs() const { return runs_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    int runs_ = 0;
};
