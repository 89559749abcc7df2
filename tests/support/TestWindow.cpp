// A plain top-level window that records the messages a test watches, and a bounded message pump.
#include "support/TestWindow.h"

#include <algorithm>

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs) {
            return condition();
        }
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return condition();
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

RecordingParent::RecordingParent(std::initializer_list<UINT> watched, bool visible) : watched_(watched)
{
    static const char* const className = "VantorelleTestParent";
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = className;
        registered = RegisterClassA(&windowClass) != 0;
    }
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
    window_ = CreateWindowExA(0, className, "Test parent", style, 40, 40, 640, 480, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
}

RecordingParent::~RecordingParent()
{
    if (window_) {
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK RecordingParent::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<RecordingParent*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && std::find(self->watched_.begin(), self->watched_.end(), message) != self->watched_.end()) {
        self->received_.push_back({message, wParam, lParam});
    }
    if (message == WM_NCDESTROY && self) {
        self->window_ = nullptr;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
