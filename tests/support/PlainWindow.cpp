// A plain visible top-level window for tests: an owner for pop-ups that counts its re-enablings.
#include "support/PlainWindow.h"

PlainWindow::PlainWindow(int x, int y, int width, int height)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = "PlainTestWindow";
        registered = RegisterClassA(&windowClass) != 0;
    }
    window_ = CreateWindowExA(0, "PlainTestWindow", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width, height,
                              nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

PlainWindow::~PlainWindow()
{
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK PlainWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<PlainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<PlainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_ENABLE && wParam) {
        ++self->enablings_;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
