// The program's own modal message box: centred text lines, an optional icon, one to three buttons.
#include "ui/MessageBoxWindow.h"

#include "ui/CentreWindow.h"
#include "ui/MessagePump.h"
#include "ui/Module.h"
#include "ui/Paint.h"
#include "ui/PushButton.h"
#include "ui/TextLines.h"

namespace {

int registered = 0;

// One set of buttons for every box in the process: only one box is open at a time.
PushButton boxButtons[3];
int buttonCount = 0;
int focusIndex = 0;
WNDPROC systemButtonProc = nullptr;

const char kOutOfMemory[] = "Out of memory";

int IndexOfButton(int id)
{
    for (int i = 0; i < buttonCount; ++i) {
        if (boxButtons[i].Id() == id) {
            return i;
        }
    }
    return -1;
}

void PressButton(HWND box, int index)
{
    SendMessageA(box, WM_COMMAND, static_cast<WPARAM>(boxButtons[index].Id()), 0);
}

}  // namespace

MessageBoxWindow::MessageBoxWindow()
{
    bevel_.light = GetSysColor(COLOR_BTNHIGHLIGHT);
    bevel_.dark = GetSysColor(COLOR_BTNSHADOW);
    RegisterWindowClass();
}

MessageBoxWindow::~MessageBoxWindow()
{
    ReleaseText();
}

int MessageBoxWindow::RegisterWindowClass()
{
    WNDCLASSA windowClass = FrameworkClass("CMSGCLASS", CS_VREDRAW | CS_HREDRAW);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    return RegisterOnce(&registered, &windowClass, true);
}

int MessageBoxWindow::ButtonCount()
{
    return buttonCount;
}
HWND MessageBoxWindow::ButtonWindow(int index)
{
    return boxButtons[index].Handle();
}
int MessageBoxWindow::ButtonId(int index)
{
    return boxButtons[index].Id();
}
int MessageBoxWindow::FocusIndex()
{
    return focusIndex;
}

void MessageBoxWindow::CopyText(const char* text)
{
    const int length = lstrlenA(text);
    textCopy_ = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, length + 2));
    if (textCopy_) {
        lstrcpyA(textCopy_, text);
        text_ = textCopy_;
    } else {
        text_ = kOutOfMemory;
    }
}

void MessageBoxWindow::ReleaseText()
{
    if (textCopy_) {
        HeapFree(GetProcessHeap(), 0, textCopy_);
        textCopy_ = nullptr;
    }
    text_ = "";
}

int MessageBoxWindow::SystemIconIndex() const
{
    const int iconBits = (styleWord_ & kIconBits) >> 4;
    return iconBits >= 1 && iconBits <= 4 ? iconBits - 1 : -1;
}

void MessageBoxWindow::LoadBoxIcon(int iconId)
{
    static const LPCSTR systemIcons[] = {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK};
    if (SystemIconIndex() >= 0) {
        icon_ = LoadIconA(nullptr, systemIcons[SystemIconIndex()]);
    } else if (iconId) {
        // Before the entry point has stored the instance the program's module is the exe.
        HINSTANCE module = ModuleInstance() ? ModuleInstance() : GetModuleHandleA(nullptr);
        icon_ = LoadIconA(module, MAKEINTRESOURCEA(iconId));
    } else {
        icon_ = nullptr;
    }
}

void MessageBoxWindow::Measure(HDC context, const char* text, int iconId)
{
    auto widen = [this, context](const char* line, int length) {
        SIZE size = {};
        GetTextExtentPoint32A(context, line, length, &size);
        widestLine_ = size.cx > widestLine_ ? size.cx : widestLine_;
    };
    lineCount_ = 0;
    widestLine_ = 0;
    ForEachLine(text, [this, &widen](const char* line, int length, int) {
        widen(line, length);
        ++lineCount_;
    });
    const int buttons = styleWord_ & kButtonBits;
    const int minimumWidth = (buttons == 1 || buttons == 4) ? 10 * lineHeight_ : buttons == 3 ? 13 * lineHeight_ : 0;
    int contentWidth;
    if (SystemIconIndex() >= 0 || iconId) {
        textRect_.left = 64;  // the icon's column
        contentWidth = widestLine_ + 4 * charUnit_ + 64;
    } else {
        // Without an icon the caption may be the widest thing in the box.
        widen(caption_, lstrlenA(caption_));
        textRect_.left = 8;
        contentWidth = widestLine_ + 4 * charUnit_ + 8;
    }
    textRect_.right = contentWidth > minimumWidth ? contentWidth : minimumWidth;
}

int MessageBoxWindow::Show(HWND owner, const char* text, const char* caption, int style, int iconId,
                           COLORREF textColour, COLORREF backColour, COLORREF frameColour)
{
    owner_ = owner;
    styleWord_ = style;
    textColour_ = textColour;
    backColour_ = backColour;
    bevel_.dark = frameColour;
    bevel_.light = RGB(255, 255, 255);
    open_ = 1;
    result_ = 0;
    ReleaseText();
    CopyText(text);
    caption_ = caption ? caption : "";

    HDC context = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    TEXTMETRICA metrics;
    if (!context || !GetTextMetricsA(context, &metrics)) {
        if (context) {
            DeleteDC(context);
        }
        ReleaseText();
        return 0;
    }
    charUnit_ = metrics.tmMaxCharWidth;
    lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
    Measure(context, text, iconId);
    DeleteDC(context);

    CreateBox();
    AfterCreateBox();
    LoadBoxIcon(iconId);
    if (!Handle()) {
        ReleaseText();
        return 0;
    }
    // Modal for the owner's whole window, as the system's dialogs are: with a child window
    // as owner, disabling only that child would leave its siblings and the caption live.
    disabled_ = GetAncestor(owner_, GA_ROOT);
    EnableWindow(disabled_, FALSE);
    WaitForClose();
    return result_;
}

void MessageBoxWindow::WaitForClose()
{
    // Drain the queue, then sleep until something new arrives: an open box costs no
    // processor time.
    while (open_ && IsWindow(Handle())) {
        if (PumpMessages()) {
            break;  // a quit message is next: close the box and leave it for the main loop
        }
        if (open_ && IsWindow(Handle())) {
            WaitMessage();
        }
    }
    if (IsWindow(Handle())) {
        OnClose();
    } else {
        // Destroyed without passing OnClose (from outside, or with its owner): finish what
        // OnClose would have done.
        if (!IsWindowEnabled(disabled_)) {
            EnableWindow(disabled_, TRUE);
        }
        ReleaseText();
    }
}

int MessageBoxWindow::CreateBox()
{
    textRect_.top = lineHeight_;
    textRect_.bottom = (lineCount_ + 1) * lineHeight_ + 8;
    SetStyle(WS_POPUP | WS_VISIBLE | WS_CAPTION);
    const int width = textRect_.right + 16;
    const int height = (lineCount_ + 6) * lineHeight_;
    // A first place only: OnCreate centres the box over its owner properly.
    RECT ownerClient;
    GetClientRect(owner_, &ownerClient);
    CreateWindowObject("CMSGCLASS", owner_, nullptr, caption_, ownerClient.right / 2 - width / 2,
                       ownerClient.bottom / 2 - height / 2, width, height);
    return Handle() != nullptr;
}

void MessageBoxWindow::AfterCreateBox() {}

void MessageBoxWindow::OnOtherCommand(int, LPARAM) {}

void MessageBoxWindow::PlaceButton(int index, const char* title, int x, int y, int result)
{
    boxButtons[index].Create(Handle(), 0, title, x, y, 60, 30);
    buttonResults_[index] = result;
    buttonCount = index + 1;
}

void MessageBoxWindow::CreateButtons()
{
    RECT client;
    GetClientRect(Handle(), &client);
    const int m = client.right / 2;
    const int y = client.bottom - 2 * lineHeight_;
    switch (styleWord_ & kButtonBits) {
        case 1:
            PlaceButton(0, "&Ok", m - 70, y, IDOK);
            PlaceButton(1, "&Cancel", m + 10, y, IDCANCEL);
            break;
        case 4:
            PlaceButton(0, "&Yes", m - 70, y, IDYES);
            PlaceButton(1, "&No", m + 10, y, IDNO);
            break;
        case 3:
            PlaceButton(0, "&Yes", m - 100, y, IDYES);
            PlaceButton(1, "&No", m - 30, y, IDNO);
            PlaceButton(2, "&Cancel", m + 40, y, IDCANCEL);
            break;
        default:
            PlaceButton(0, "&Ok", m - 30, y, IDOK);
            break;
    }
}

int MessageBoxWindow::OnCreate()
{
    CreateButtons();
    const int defaultBits = styleWord_ & kDefaultButtonBits;
    focusIndex = defaultBits == 0x100 ? 1 : defaultBits == 0x200 ? 2 : 0;
    if (focusIndex >= buttonCount) {
        focusIndex = 0;  // names a button this box does not have
    }
    SetFocus(boxButtons[focusIndex].Handle());
    systemButtonProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(boxButtons[0].Handle(), GWLP_WNDPROC));
    for (int i = 0; i < buttonCount; ++i) {
        SetWindowProc(boxButtons[i].Handle(), ButtonKeyProc);
    }
    CentreWindow(Handle());
    return 1;
}

LRESULT CALLBACK MessageBoxWindow::ButtonKeyProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND focus = GetFocus();
    for (int i = 0; i < buttonCount; ++i) {
        if (boxButtons[i].Handle() == focus) {
            focusIndex = i;
        }
    }
    if (message == WM_KEYDOWN && buttonCount > 0) {
        HWND box = GetParent(button);
        switch (wParam) {
            case VK_TAB:
            case VK_RIGHT:
                focusIndex = (focusIndex + 1) % buttonCount;
                SetFocus(boxButtons[focusIndex].Handle());
                break;
            case VK_LEFT:
                focusIndex = focusIndex > 0 ? focusIndex - 1 : buttonCount - 1;
                SetFocus(boxButtons[focusIndex].Handle());
                break;
            case VK_RETURN:
                PressButton(box, focusIndex);
                break;
            default:
                // Letter keys arrive as their upper-case virtual-key codes, which is how the
                // titles write their underlined letters.
                for (int i = 0; i < buttonCount; ++i) {
                    if ((wParam & 0xFF) == static_cast<unsigned char>(boxButtons[i].Accelerator())) {
                        PressButton(box, i);
                        break;
                    }
                }
                break;
        }
    }
    // Never swallowed: the button still sees every key (Space presses it the system's way).
    return systemButtonProc ? CallWindowProcA(systemButtonProc, button, message, wParam, lParam)
                            : DefWindowProcA(button, message, wParam, lParam);
}

void MessageBoxWindow::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam)) {
        return;
    }
    const int id = LOWORD(wParam);
    const int index = IndexOfButton(id);
    if (index >= 0) {
        result_ = buttonResults_[index];
    } else {
        OnOtherCommand(id, lParam);
    }
    if (result_) {
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
        open_ = 0;
    }
}

void MessageBoxWindow::OnClose()
{
    EnableWindow(disabled_, TRUE);
    Destroy();
    ReleaseText();
}

void MessageBoxWindow::OnLButtonDown(WPARAM, LPARAM)
{
    // A press anywhere on the body starts the system's move, as if on the caption.
    SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(5, 5));
}

void MessageBoxWindow::OnSetFocus()
{
    if (focusIndex < buttonCount) {
        SetFocus(boxButtons[focusIndex].Handle());
    }
}

void MessageBoxWindow::OnPaint()
{
    PAINTSTRUCT paint;
    HDC context = BeginPaint(Handle(), &paint);
    FillSolid(context, paint.rcPaint, backColour_);
    if (icon_) {
        DrawIcon(context, 16, textRect_.top + (textRect_.bottom - textRect_.top) / 2 - 16, icon_);
        bevel_.Set(textRect_);
        bevel_.Draw(context);
    }
    SetTextColor(context, textColour_);
    SetBkColor(context, backColour_);
    ForEachLine(text_, [this, context](const char* line, int length, int index) {
        SIZE size = {};
        GetTextExtentPoint32A(context, line, length, &size);
        TextOutA(context, textRect_.left + (textRect_.right - textRect_.left - size.cx) / 2,
                 textRect_.top + 3 + index * lineHeight_, line, length);
    });
    EndPaint(Handle(), &paint);
}
