// Centring a window over its owner, or over the screen's full-screen client area.
#pragma once

#include <windows.h>

// Where CentreWindow puts a window: its new origin and its new size.
struct CentredPosition {
    int x;
    int y;
    int width;
    int height;
};

// The centring arithmetic on plain values: window (its current outer rectangle) centred over
// reference, one pixel larger in each direction than it is now, kept from running past the
// reference's right and bottom edges and from starting left of or above the screen origin.
CentredPosition CentrePosition(const RECT& reference, const RECT& window);

// Centres window over its owner's outer rectangle, or over the full-screen client area when
// it has no owner, and moves it there without repainting.
void CentreWindow(HWND window);
