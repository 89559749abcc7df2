// The captionless notice shown over a window while long work runs on the interface thread.
#include "ui/ProgressWindow.h"

#include "ui/Module.h"
#include "ui/Paint.h"

namespace {
int registered = 0;
}

ProgressWindow::ProgressWindow()
{
    RegisterWindowClass();
}

int ProgressWindow::RegisterWindowClass()
{
    // No cursor and no background brush: the notice paints all of itself. The instance is
    // always null; the class is global, so any module may find it.
    WNDCLASSA windowClass = FrameworkClass("WKWND", CS_BYTEALIGNWINDOW | CS_GLOBALCLASS);
    windowClass.hInstance = nullptr;  // a global class of the process, never of the module
    return RegisterOnce(&registered, &windowClass, false);
}

void ProgressWindow::SetCancelOwner(CancelTarget* owner, CancelCallback callback)
{
    cancelOwner_ = owner;
    cancelCallback_ = callback;
}

int ProgressWindow::Show(HWND owner, const char* text, int modal)
{
    modal_ = modal;
    owner_ = owner;
    text_ = text;
    RECT ownerRect = {};
    GetWindowRect(owner, &ownerRect);
    TEXTMETRICA metrics;
    if (!DisplayFontMetrics(&metrics)) {
        return 0;
    }
    charWidth_ = metrics.tmAveCharWidth;
    lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;

    const int width = (lstrlenA(text) + 12) * charWidth_;
    const int height = (cancelOwner_ ? 7 : 5) * lineHeight_;
    SetStyle(WS_POPUP | WS_VISIBLE | WS_DLGFRAME);
    SetExStyle(WS_EX_DLGMODALFRAME);
    const int x = ownerRect.left + (ownerRect.right - ownerRect.left) / 2 - width / 2;
    const int y = ownerRect.top + (ownerRect.bottom - ownerRect.top) / 2 - height / 2;
    CreateWindowObject("WKWND", owner, nullptr, nullptr, x, y, width, height);
    if (Handle()) {
        if (modal_) {
            EnableWindow(owner_, FALSE);
        }
        // The caller goes straight into its work without returning to a message loop, so
        // the notice must be painted now.
        RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
    }
    return 1;
}

void ProgressWindow::CreateCancelButton()
{
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = 10 * charWidth_;
    cancelButton_ =
        CreateWindowExA(0, "BUTTON", "&Cancel", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, client.right / 2 - width / 2,
                        5 * lineHeight_, width, lineHeight_ + lineHeight_ / 2, Handle(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCancelId)), ModuleInstance(), nullptr);
    if (cancelButton_) {
        SendMessageA(cancelButton_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    }
}

void ProgressWindow::Paint()
{
    PAINTSTRUCT paint;
    HDC context = BeginPaint(Handle(), &paint);
    FillSolid(context, paint.rcPaint, backColour_);
    SetBkColor(context, backColour_);

    // Dark above and left, light right and below: the frame looks pressed in.
    HGDIOBJ previousPen = SelectObject(context, GetStockObject(BLACK_PEN));
    MoveToEx(context, innerRect_.left, innerRect_.bottom, nullptr);
    LineTo(context, innerRect_.left, innerRect_.top);
    LineTo(context, innerRect_.right, innerRect_.top);
    SelectObject(context, GetStockObject(WHITE_PEN));
    LineTo(context, innerRect_.right, innerRect_.bottom);
    LineTo(context, innerRect_.left, innerRect_.bottom);
    SelectObject(context, previousPen);

    SetTextColor(context, textColour_);
    DrawTextA(context, text_, -1, &innerRect_, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    EndPaint(Handle(), &paint);
}

LRESULT ProgressWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_CREATE:
            cancelButton_ = nullptr;
            if (cancelOwner_) {
                CreateCancelButton();
            }
            return 0;
        case WM_SIZE: {
            const int width = LOWORD(lParam);
            const int height = HIWORD(lParam);
            innerRect_.left = 3 * charWidth_;
            innerRect_.right = width - 3 * charWidth_;
            innerRect_.top = lineHeight_;
            innerRect_.bottom = cancelOwner_ ? 4 * lineHeight_ : height - lineHeight_;
            return 0;
        }
        case WM_PAINT:
            Paint();
            return 0;
        case WM_COMMAND:
            if (cancelButton_ && reinterpret_cast<HWND>(lParam) == cancelButton_ && cancelOwner_ && cancelCallback_) {
                (cancelOwner_->*cancelCallback_)();
            }
            return 0;
        case WM_DESTROY:
            if (modal_) {
                EnableWindow(owner_, TRUE);
            }
            BringWindowToTop(owner_);
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}
