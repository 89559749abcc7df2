// The two-part status line along the bottom of the main window.
#include "ui/StatusBar.h"

#include <commctrl.h>

#include <new>

void StatusPartEdges(int w, int a, int n, const int* widths, int* rightEdges)
{
    if (n <= 0) {
        return;
    }
    rightEdges[n - 1] = w - n * a;
    for (int i = n - 1; i >= 1; --i) {
        rightEdges[i - 1] = rightEdges[i] - widths[i] * a;
    }
}

StatusBar::~StatusBar()
{
    delete[] widths_;
    delete[] styles_;
    delete[] rightEdges_;
}

int StatusBar::SetPartCount(int n)
{
    delete[] widths_;
    delete[] styles_;
    delete[] rightEdges_;
    parts_ = 0;
    capacity_ = n;
    styles_ = new (std::nothrow) int[n]();
    widths_ = new (std::nothrow) int[n]();
    // The edges start at 0; the frame's first WM_SIZE computes the real ones.
    rightEdges_ = new (std::nothrow) int[n]();
    if (!styles_ || !widths_ || !rightEdges_) {
        capacity_ = 0;
    }
    return rightEdges_ != nullptr;
}

void StatusBar::AddPart(int width, int style)
{
    if (parts_ < capacity_) {
        widths_[parts_] = width;
        styles_[parts_] = style;
        ++parts_;
    }
}

int StatusBar::CreateStatus(HWND parent)
{
    parent_ = parent;
    AssignControlId();
    window_ = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, nullptr, parent, static_cast<UINT>(id_));
    if (!window_) {
        return 0;
    }
    SendMessageA(window_, SB_SETPARTS, static_cast<WPARAM>(capacity_), reinterpret_cast<LPARAM>(rightEdges_));
    for (int i = 0; i < parts_; ++i) {
        SendMessageA(window_, SB_SETTEXTA, static_cast<WPARAM>(i | styles_[i]), 0);
    }
    return 1;
}

int StatusBar::StatusHeight() const
{
    if (!window_ || !IsWindowVisible(window_)) {
        return 0;
    }
    RECT rect;
    GetWindowRect(window_, &rect);
    return rect.bottom - rect.top;
}

LRESULT StatusBar::ResizeStatus(WPARAM wParam, LPARAM lParam)
{
    if (!window_) {
        return 0;
    }
    SendMessageA(window_, WM_SIZE, wParam, lParam);
    RECT rect;
    GetWindowRect(window_, &rect);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0));
    if (!font) {
        font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    }
    HDC context = GetDC(parent_);
    HGDIOBJ previous = SelectObject(context, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(context, &metrics);
    SelectObject(context, previous);
    ReleaseDC(parent_, context);
    StatusPartEdges(rect.right - rect.left, metrics.tmAveCharWidth, capacity_, widths_, rightEdges_);
    return SendMessageA(window_, SB_SETPARTS, static_cast<WPARAM>(capacity_), reinterpret_cast<LPARAM>(rightEdges_));
}

LRESULT StatusBar::SetStatusText(int part, const char* text)
{
    if (!window_ || part < 0 || part >= parts_) {
        return 0;
    }
    return SendMessageA(window_, SB_SETTEXTA, static_cast<WPARAM>(part | styles_[part]), reinterpret_cast<LPARAM>(text));
}
