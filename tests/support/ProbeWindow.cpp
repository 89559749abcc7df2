// A hidden window that runs test code when a message posted to it is dispatched.
#include "support/ProbeWindow.h"

namespace {
constexpr UINT kRunAction = WM_APP + 0x71;
}

ProbeWindow::ProbeWindow()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VantorelleTestProbe";
        registered = RegisterClassA(&windowClass) != 0;
    }
    // A message-only window: never shown, never activated, still reached by posted messages.
    window_ = CreateWindowExA(0, "VantorelleTestProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), this);
}

ProbeWindow::~ProbeWindow()
{
    if (window_) {
        DestroyWindow(window_);
    }
}

void ProbeWindow::Post(std::function<void()> action)
{
    PostMessageA(window_, kRunAction, 0, reinterpret_cast<LPARAM>(new std::function<void()>(std::move(action))));
}

LRESULT CALLBACK ProbeWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    }
    if (message == kRunAction) {
        auto* self = reinterpret_cast<ProbeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        auto* action = reinterpret_cast<std::function<void()>*>(lParam);
        ++self->runs_;
        (*action)();
        delete action;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
