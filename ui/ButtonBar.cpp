// The strip of push buttons along the top of the main window; clicks become commands.
#include "ui/ButtonBar.h"

#include <new>

#include "ui/Module.h"

namespace {
int registered = 0;
}

ButtonBar::ButtonBar()
{
    SetStyle(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    RegisterWindowClass();
}

ButtonBar::~ButtonBar()
{
    delete[] buttons_;
    delete[] ids_;
}

int ButtonBar::RegisterWindowClass()
{
    WNDCLASSA windowClass = FrameworkClass("BtnBarClass", CS_BYTEALIGNWINDOW);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    return RegisterOnce(&registered, &windowClass, false);
}

void ButtonBar::SetCapacity(int n)
{
    // A bar may be filled again after its window was destroyed: start from an empty row.
    delete[] buttons_;
    delete[] ids_;
    buttons_ = new (std::nothrow) PushButton[n];
    ids_ = new (std::nothrow) int[n];
    capacity_ = buttons_ && ids_ ? n : 0;
    count_ = 0;
    nextX_ = 2;
}

int ButtonBar::CreateBar(HWND parent, int x, int y, int width, int height)
{
    if (!CreateWindowObject("BtnBarClass", parent, nullptr, "", x, y, width, height)) {
        return 0;
    }
    height_ = height;
    ShowWindow(Handle(), visible_ ? SW_SHOW : SW_HIDE);
    return 1;
}

int ButtonBar::AddButton(const char* title, int width, int id, int disabled)
{
    if (count_ >= capacity_) {
        return 0;
    }
    PushButton& button = buttons_[count_];
    if (!button.Create(Handle(), id, title, nextX_, 3, width, height_ - 6)) {
        return 0;
    }
    if (disabled) {
        EnableWindow(button.Handle(), FALSE);
    }
    ids_[count_] = id;
    ++count_;
    nextX_ += width + 3;
    return 1;
}

void ButtonBar::EnableButton(int id, int enable)
{
    for (int i = 0; i < count_; ++i) {
        if (ids_[i] == id) {
            EnableWindow(buttons_[i].Handle(), enable);
            return;
        }
    }
}

HWND ButtonBar::ButtonWindow(int id) const
{
    for (int i = 0; i < count_; ++i) {
        if (ids_[i] == id) {
            return buttons_[i].Handle();
        }
    }
    return nullptr;
}

void ButtonBar::Paint()
{
    RECT client;
    GetClientRect(Handle(), &client);
    PAINTSTRUCT paint;
    HDC context = BeginPaint(Handle(), &paint);
    if (visible_) {
        HPEN frame = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWFRAME));
        HPEN highlight = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
        HGDIOBJ previous = SelectObject(context, frame);
        MoveToEx(context, client.left, client.bottom - 1, nullptr);
        LineTo(context, client.right, client.bottom - 1);
        SelectObject(context, highlight);
        MoveToEx(context, client.left, client.top, nullptr);
        LineTo(context, client.right, client.top);
        SelectObject(context, previous);
        DeleteObject(frame);
        DeleteObject(highlight);
    }
    EndPaint(Handle(), &paint);
}

LRESULT ButtonBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_COMMAND: {
        const int code = HIWORD(wParam);
        const int id = LOWORD(wParam);
        HWND sender = reinterpret_cast<HWND>(lParam);
        ControlObject* control = sender ? ControlObject::FromHandle(sender) : nullptr;
        if (control && control->OnCommand(code, id)) {
            return 0;
        }
        if (code == BN_CLICKED) {
            SendMessageA(GetParent(Handle()), WM_COMMAND, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(Handle()));
        }
        return 0;
    }
    case kRelayedMessage: SendMessageA(GetParent(Handle()), message, wParam, lParam); return 0;
    default: return Default(message, wParam, lParam);
    }
}
