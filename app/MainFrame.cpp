// The main window: routes the five commands to the workspace and guards closing.
#include "app/MainFrame.h"

#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "settings/Settings.h"
#include "ui/Module.h"

void MainFrame::Warn(const char* text, const char* caption)
{
    MessageBoxA(Handle(), text, caption, MB_ICONEXCLAMATION);
}

void MainFrame::AdjustClass(WNDCLASSA* windowClass)
{
    windowClass->hIcon = LoadIconA(ModuleInstance(), MAKEINTRESOURCEA(IDI_VANTORELLE));
}

void MainFrame::AdjustCreate(CreateParams* params)
{
    params->title = "Vantorelle";
    params->width = 540;
    params->height = 398;
}

int MainFrame::SaveState()
{
    SaveWindowPlacement(Handle());
    return 0;
}

void MainFrame::OnCommand(WPARAM wParam, LPARAM)
{
    switch (LOWORD(wParam)) {
    case IDM_SCAN_DRIVES: workspace.ScanDrives(); break;
    case IDM_SAVE: workspace.SaveIndex(); break;
    case IDM_ABOUT: workspace.ShowAbout(); break;
    case IDM_EXIT:
        if (CanClose()) {
            Destroy();
        }
        break;
    case IDM_VIEW_FILES: workspace.OpenSelectedFolder(); break;
    default: break;
    }
}

void MainFrame::OnSetFocus() { SetFocus(workspace.SearchEdit()); }

int MainFrame::CanClose()
{
    // Closing during a scan ends the program without the question: the scan stops at the
    // next folder, and its partial, unsorted index must never be saved over the data file.
    if (workspace.Scanning() || !workspace.Modified()) {
        return 1;
    }
    // Yes closes only once the index is saved: a cancelled save dialog or a failed save
    // keeps the window, with the list as it was, and refuses a session end.
    switch (MessageBoxA(Handle(), "Save folders?", "Vantorelle", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDCANCEL: return 0;
    case IDYES: return workspace.SaveIndex();
    default: return 1;
    }
}

int MainFrame::RestorePlacement() { return RestoreWindowPlacement(Handle()); }
