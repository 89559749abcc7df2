// A plain visible top-level window for tests: an owner for pop-ups that counts its re-enablings.
#pragma once

#include <windows.h>

class PlainWindow {
public:
    PlainWindow(int x = 100, int y = 100, int width = 500, int height = 400);
    ~PlainWindow();
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;

    HWND Handle() const { return window_; }
    // How often the window went from disabled to enabled.
    int Enablings() const { return enablings_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    int enablings_ = 0;
};
