// A one-pixel sunken frame: dark on the top and left edges, light on the right and bottom.
#pragma once

#include <windows.h>

struct BevelFrame {
    COLORREF light = 0;
    COLORREF dark = 0;
    int x = 0;
    int y = 0;
    int width = -1;  // -1: not set, drawing does nothing
    int height = 0;

    // Frames the rectangle including its right and bottom edges.
    void Set(const RECT& rect);
    void Draw(HDC context) const;
};
