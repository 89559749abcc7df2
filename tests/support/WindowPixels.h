// What a window shows: its client area's pixels read back as COLORREF values.
#pragma once

#include <windows.h>

#include <vector>

// The pixels of area (client coordinates of window), row by row, as the window shows them.
class WindowPixels {
public:
    WindowPixels(HWND window, const RECT& area);

    COLORREF At(int x, int y) const;  // client coordinates of the window
    // The rightmost column (client x) holding a pixel other than background; area.left - 1
    // when every pixel is background.
    int RightmostInk(COLORREF background) const;
    bool AllAre(COLORREF colour) const;

private:
    RECT area_;
    int width_;
    std::vector<COLORREF> pixels_;
};
