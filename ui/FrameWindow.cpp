// The top-level frame: button bar, client window and status bar stacked in its client area.
#include "ui/FrameWindow.h"

#include <commctrl.h>

#include "ui/Module.h"

namespace {

int registered = 0;

// Queues one band; bands whose window does not exist yet (during the frame's own creation)
// are left out so that the others are still placed.
HDWP Place(HDWP positions, HWND window, int x, int y, int width, int height)
{
    if (!window || !positions) {
        return positions;
    }
    return DeferWindowPos(positions, window, nullptr, x, y, width, height < 0 ? 0 : height, SWP_SHOWWINDOW);
}

}  // namespace

int FrameWindow::RegisterWindowClass()
{
    WNDCLASSA windowClass = FrameworkClass("MainClass", CS_BYTEALIGNCLIENT);
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    return RegisterOnce(&registered, &windowClass, true);
}

int FrameWindow::CreateFrame(WindowObject* client, ButtonBar* bar, StatusBar* statusBar)
{
    client_ = client;
    bar_ = bar;
    statusBar_ = statusBar;

    RegisterWindowClass();
    CreateParams params = {0, "MainClass", "", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT};
    AdjustCreate(&params);
    SetStyle(params.style);
    SetExStyle(params.exStyle);
    if (!CreateWindowObject(params.className, nullptr, nullptr, params.title, params.x, params.y, params.width,
                            params.height)) {
        return 0;
    }

    TEXTMETRICA metrics;
    if (!DisplayFontMetrics(&metrics)) {
        return 0;
    }
    RECT area;
    GetClientRect(Handle(), &area);
    barHeight_ = metrics.tmHeight + 12;
    if (!bar_->CreateBar(Handle(), 0, 0, area.right, barHeight_)) {
        return 0;
    }
    client_->SetExStyle(WS_EX_CLIENTEDGE);
    return client_->Create(Handle(), nullptr, "", CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
}

void FrameWindow::ShowFrame(int showCommand)
{
    if (!RestorePlacement()) {
        ShowWindow(Handle(), showCommand);
    }
    UpdateWindow(Handle());
}

int FrameWindow::LoadAcceleratorTable(int id)
{
    accelerators_ = LoadAcceleratorsA(ModuleInstance(), MAKEINTRESOURCEA(id));
    return accelerators_ != nullptr;
}

int FrameWindow::RunMessageLoop()
{
    // Messages are taken and dispatched in their Unicode form. The ANSI functions would
    // convert a typed character with the keyboard layout's code page on the way, and one
    // outside it (a Greek letter on an English layout) would reach even a Unicode window as
    // '?'; an ANSI window still gets each message converted for it.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (accelerators_ && TranslateAcceleratorW(Handle(), accelerators_, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void FrameWindow::LayOutBands()
{
    const int statusHeight = statusBar_ ? statusBar_->StatusHeight() : 0;
    const int barHeight = bar_ && bar_->Visible() ? barHeight_ : 0;
    HDWP positions = BeginDeferWindowPos(3);
    positions = Place(positions, bar_ ? bar_->Handle() : nullptr, 0, 0, clientWidth_, barHeight);
    positions = Place(positions, client_ ? client_->Handle() : nullptr, 0, barHeight, clientWidth_,
                      clientHeight_ - (statusHeight + barHeight));
    positions = Place(positions, statusBar_ ? statusBar_->Handle() : nullptr, 0, clientHeight_ - statusHeight,
                      clientWidth_, statusHeight);
    if (positions) {
        EndDeferWindowPos(positions);
    }
}

int FrameWindow::CanClose() { return 1; }

int FrameWindow::RestorePlacement() { return 0; }

void FrameWindow::PostDestroy() { PostQuitMessage(0); }

void FrameWindow::OnClose()
{
    if (CanClose()) {
        Destroy();
    }
}

int FrameWindow::OnCreate()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);
    return statusBar_ && statusBar_->CreateStatus(Handle());
}

LRESULT FrameWindow::OnQueryEndSession() { return CanClose(); }

void FrameWindow::OnSetFocus()
{
    if (client_ && client_->Handle()) {
        SetFocus(client_->Handle());
    }
}

void FrameWindow::OnSize(WPARAM wParam, LPARAM lParam)
{
    clientWidth_ = LOWORD(lParam);
    clientHeight_ = HIWORD(lParam);
    if (statusBar_) {
        statusBar_->ResizeStatus(wParam, lParam);
    }
    LayOutBands();
}
