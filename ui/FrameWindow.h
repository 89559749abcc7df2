// The top-level frame: button bar, client window and status bar stacked in its client area.
#pragma once

#include "ui/ButtonBar.h"
#include "ui/StatusBar.h"
#include "ui/WindowObject.h"

class FrameWindow : public WindowObject {
public:
    FrameWindow() = default;

    // Creates the frame window with its three bands; nonzero when all of them exist.
    int CreateFrame(WindowObject* client, ButtonBar* bar, StatusBar* statusBar);
    // Restores the saved placement or shows the window with showCommand, then paints.
    void ShowFrame(int showCommand);
    int LoadAcceleratorTable(int id);
    // Runs until WM_QUIT and returns its exit code; accelerators go to the frame.
    int RunMessageLoop();
    // Places the bar on top, the status bar at the bottom and the client between them.
    void LayOutBands();

    // Slots added by the frame.
    virtual int CanClose();
    virtual int RestorePlacement();

    void PostDestroy() override;
    int RegisterWindowClass() override;
    void OnClose() override;
    int OnCreate() override;
    LRESULT OnQueryEndSession() override;
    void OnSetFocus() override;
    void OnSize(WPARAM wParam, LPARAM lParam) override;

    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    int BarHeight() const { return barHeight_; }
    HACCEL Accelerators() const { return accelerators_; }

protected:
    WindowObject* Client() const { return client_; }
    ButtonBar* Bar() const { return bar_; }
    StatusBar* Status() const { return statusBar_; }

private:
    HACCEL accelerators_ = nullptr;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int barHeight_ = 0;
    ButtonBar* bar_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    WindowObject* client_ = nullptr;
};
