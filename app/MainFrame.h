// The main window: routes the five commands to the workspace and guards closing.
#pragma once

#include "ui/FrameWindow.h"

class MainFrame : public FrameWindow {
public:
    // The system message box owned by the main window, with a warning icon.
    void Warn(const char* text, const char* caption);

    void AdjustClass(WNDCLASSA* windowClass) override;
    void AdjustCreate(CreateParams* params) override;
    int SaveState() override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSetFocus() override;
    int CanClose() override;
    int RestorePlacement() override;
};
