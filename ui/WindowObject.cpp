// One object per window: class registration, creation and message dispatch to named slots.
#include "ui/WindowObject.h"

#include "ui/ControlObject.h"
#include "ui/Module.h"

LRESULT CALLBACK SharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* object = static_cast<WindowObject*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        if (object) {
            object->window_ = window;  // known from here on, also while CreateWindowExA runs
        }
    }
    // Messages that come before WM_NCCREATE (WM_GETMINMAXINFO) find no object yet.
    WindowObject* object = WindowObject::FromHandle(window);
    if (!object) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const LRESULT result = object->WindowProc(message, wParam, lParam);
    // A window also dies with its parent, not only through Destroy: the object must not
    // keep the dead handle, or it would never make a window again.
    if (message == WM_NCDESTROY && object->window_ == window) {
        object->window_ = nullptr;
    }
    return result;
}

WindowObject* WindowObject::FromHandle(HWND window)
{
    return reinterpret_cast<WindowObject*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

int WindowObject::CreateWindowObject(const char* className, HWND parent, HMENU menuOrId, const char* title, int x,
                                     int y, int width, int height)
{
    if (window_) {
        return 1;
    }
    window_ = CreateWindowExA(exStyle_, className, title, style_, x, y, width, height, parent, menuOrId,
                              ModuleInstance(), this);
    return window_ != nullptr;
}

int WindowObject::Destroy()
{
    if (!DestroyWindow(window_)) {
        return 0;
    }
    window_ = nullptr;
    return 1;
}

WNDCLASSA WindowObject::FrameworkClass(const char* name, UINT style)
{
    WNDCLASSA windowClass = {};
    windowClass.style = style;
    windowClass.lpfnWndProc = SharedWindowProc;
    windowClass.cbWndExtra = 4;  // the object lives in GWLP_USERDATA, not in these bytes
    windowClass.hInstance = ModuleInstance();
    windowClass.lpszClassName = name;
    return windowClass;
}

int WindowObject::RegisterOnce(int* registered, WNDCLASSA* windowClass, bool adjust)
{
    if (*registered) {
        return 0;
    }
    if (adjust) {
        AdjustClass(windowClass);
    }
    if (!RegisterClassA(windowClass)) {
        return 0;  // left clear: a later call tries again
    }
    *registered = 1;
    return 1;
}

LRESULT WindowObject::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT WindowObject::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_DESTROY:
        OnDestroy();
        SaveState();
        PostDestroy();
        return 0;
    case WM_ENDSESSION:
        OnEndSession(wParam, lParam);
        if (wParam) {
            SaveState();  // the session really ends
        }
        return 0;
    case WM_QUERYENDSESSION: return OnQueryEndSession();
    case WM_CTLCOLORLISTBOX: return OnCtlColorListBox(wParam, lParam);
    case WM_VKEYTOITEM: return OnVKeyToItem(wParam);
    case WM_DRAWITEM: OnDrawItem(wParam, lParam); return 1;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (ControlObject* control = ControlObject::FromHandle(header->hwndFrom)) {
            return control->OnNotify(header);
        }
        OnNotify(wParam, lParam);
        return 0;
    }
    case WM_CHAR: OnChar(wParam, lParam); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_CONTEXTMENU: OnContextMenu(wParam, lParam); return 0;
    case WM_DROPFILES: OnDropFiles(wParam); return 0;
    case WM_INITMENU: OnInitMenu(); return 0;
    case WM_KEYDOWN: OnKeyDown(wParam, lParam); return 0;
    case WM_KEYUP: OnKeyUp(wParam, lParam); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(wParam, lParam); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, lParam); return 0;
    case WM_LBUTTONUP: OnLButtonUp(wParam, lParam); return 0;
    case WM_MENUSELECT: OnMenuSelect(wParam, lParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(wParam, lParam); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(wParam, lParam); return 0;
    case WM_RBUTTONUP: OnRButtonUp(wParam, lParam); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_SIZE: OnSize(wParam, lParam); return 0;
    case WM_SYSCOLORCHANGE: OnSysColorChange(); return 0;
    case WM_SYSKEYDOWN: OnSysKeyDown(wParam, lParam); return 0;
    case WM_SYSKEYUP: OnSysKeyUp(wParam, lParam); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_VSCROLL: OnVScroll(wParam, lParam); return 0;
    default: return OnOtherMessage(message, wParam, lParam) ? 0 : Default(message, wParam, lParam);
    }
}

int WindowObject::Create(HWND, HMENU, const char*, int, int, int, int)
{
    MessageBoxA(nullptr, "Missing Create", "App Error", MB_ICONEXCLAMATION);
    return 0;
}

void WindowObject::AdjustClass(WNDCLASSA*) {}
void WindowObject::AdjustCreate(CreateParams*) {}
void WindowObject::PostDestroy() {}
int WindowObject::OnOtherMessage(UINT, WPARAM, LPARAM) { return 0; }
int WindowObject::SaveState() { return 0; }
void WindowObject::OnChar(WPARAM, LPARAM) {}
void WindowObject::OnClose() { Destroy(); }
void WindowObject::OnCommand(WPARAM, LPARAM) {}
void WindowObject::OnContextMenu(WPARAM, LPARAM) {}
int WindowObject::OnCreate() { return 0; }
LRESULT WindowObject::OnCtlColorListBox(WPARAM, LPARAM) { return 0; }
void WindowObject::OnDestroy() {}
void WindowObject::OnDrawItem(WPARAM, LPARAM) {}
void WindowObject::OnDropFiles(WPARAM) {}
void WindowObject::OnEndSession(WPARAM, LPARAM) {}
void WindowObject::OnInitMenu() {}
void WindowObject::OnKeyDown(WPARAM, LPARAM) {}
void WindowObject::OnKeyUp(WPARAM, LPARAM) {}
void WindowObject::OnKillFocus() {}
void WindowObject::OnLButtonDblClk(WPARAM, LPARAM) {}
void WindowObject::OnLButtonDown(WPARAM, LPARAM) {}
void WindowObject::OnLButtonUp(WPARAM, LPARAM) {}
int WindowObject::OnMenuSelect(WPARAM, LPARAM) { return 0; }
void WindowObject::OnMouseMove(WPARAM, LPARAM) {}
void WindowObject::OnMouseWheel(WPARAM, LPARAM) {}
void WindowObject::OnNotify(WPARAM, LPARAM) {}
LRESULT WindowObject::OnQueryEndSession() { return 1; }
void WindowObject::OnRButtonDown(WPARAM, LPARAM) {}
void WindowObject::OnRButtonUp(WPARAM, LPARAM) {}
void WindowObject::OnSetFocus() {}
void WindowObject::OnSize(WPARAM, LPARAM) {}
void WindowObject::OnSysColorChange() {}
void WindowObject::OnSysKeyDown(WPARAM, LPARAM) {}
void WindowObject::OnSysKeyUp(WPARAM, LPARAM) {}
void WindowObject::OnTimer(WPARAM) {}
LRESULT WindowObject::OnVKeyToItem(WPARAM) { return -1; }
void WindowObject::OnVScroll(WPARAM, LPARAM) {}

void WindowObject::OnPaint()
{
    PAINTSTRUCT paint;
    BeginPaint(window_, &paint);
    EndPaint(window_, &paint);
}
