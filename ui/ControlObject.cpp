// The object that owns one standard child control, with automatic ids and subclassing.
#include "ui/ControlObject.h"

#include "ui/Module.h"

namespace {

int nextControlId = ControlObject::kFirstAutomaticId;

LRESULT CALLBACK ForwardingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ControlObject* control = ControlObject::FromHandle(window)) {
        return control->OnControlMessage(message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

WNDPROC SetWindowProc(HWND window, WNDPROC procedure)
{
    if (!IsWindow(window) || !procedure) {
        return nullptr;
    }
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

const char* FindChar(const char* text, char ch)
{
    for (; *text; ++text) {
        if (*text == ch) {
            return text;
        }
    }
    return nullptr;
}

ControlObject* ControlObject::FromHandle(HWND control)
{
    return reinterpret_cast<ControlObject*>(GetWindowLongPtrA(control, GWLP_USERDATA));
}

int ControlObject::AssignControlId()
{
    id_ = nextControlId++;
    return id_;
}

int ControlObject::CreateControl(const char* className, HWND parent, const char* title, int x, int y, int width,
                                 int height)
{
    window_ = GetDlgItem(parent, id_);
    if (!window_) {
        window_ = CreateWindowExA(exStyle_, className, title, style_, x, y, width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), ModuleInstance(), nullptr);
    }
    if (!window_) {
        return 0;
    }
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return 1;
}

WNDPROC ControlObject::Subclass(WNDPROC procedure)
{
    WNDPROC previous = SetWindowProc(window_, procedure ? procedure : ForwardingProc);
    // Subclassed a second time, the control's procedure is already the forwarding one;
    // keeping that as the previous procedure would make every message call itself.
    if (previous && previous != ForwardingProc) {
        previousProc_ = previous;
    }
    return previous;
}

int ControlObject::Create(HWND, int, const char*, int, int, int, int)
{
    MessageBoxA(nullptr, "Missing Create", "App Error", MB_ICONEXCLAMATION);
    return 0;
}

int ControlObject::OnCommand(int, int) { return 0; }

LRESULT ControlObject::OnNotify(NMHDR*) { return 0; }

void ControlObject::SetCallback(CommandTarget* target, CommandHandler handler)
{
    target_ = target;
    handler_ = handler;
}

LRESULT ControlObject::OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return previousProc_ ? CallWindowProcA(previousProc_, window_, message, wParam, lParam)
                         : DefWindowProcA(window_, message, wParam, lParam);
}

bool ControlObject::InvokeCallback()
{
    if (!target_ || !handler_) {
        return false;
    }
    (target_->*handler_)(id_);
    return true;
}
