// What a window shows: its client area's pixels read back as COLORREF values.
#include "support/WindowPixels.h"

WindowPixels::WindowPixels(HWND window, const RECT& area) : area_(area), width_(area.right - area.left)
{
    const int height = area.bottom - area.top;
    if (width_ <= 0 || height <= 0) {
        width_ = 0;
        return;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC windowContext = GetDC(window);
    HDC memory = CreateCompatibleDC(windowContext);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height, windowContext, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    pixels_.reserve(static_cast<size_t>(width_) * static_cast<size_t>(height));
    for (int i = 0; i < width_ * height; ++i) {
        pixels_.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, windowContext);
}

COLORREF WindowPixels::At(int x, int y) const
{
    return pixels_[static_cast<size_t>((y - area_.top) * width_ + (x - area_.left))];
}

int WindowPixels::RightmostInk(COLORREF background) const
{
    const int height = width_ ? static_cast<int>(pixels_.size()) / width_ : 0;
    for (int x = width_ - 1; x >= 0; --x) {
        for (int y = 0; y < height; ++y) {
            if (pixels_[static_cast<size_t>(y * width_ + x)] != background) {
                return area_.left + x;
            }
        }
    }
    return area_.left - 1;
}

bool WindowPixels::AllAre(COLORREF colour) const
{
    for (COLORREF pixel : pixels_) {
        if (pixel != colour) {
            return false;
        }
    }
    return true;
}
