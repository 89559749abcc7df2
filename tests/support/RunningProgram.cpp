// The program started inside the test process on its static objects, and taken down again.
#include "support/RunningProgram.h"

#include "app/MainFrame.h"
#include "app/Program.h"
#include "app/Workspace.h"
#include "settings/Settings.h"
#include "ui/ButtonBar.h"
#include "ui/ProgressWindow.h"


void DeleteProgramSettings()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsPath);
}

void WriteProgramSetting(const char* name, const std::string& text)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

bool ReadProgramSetting(const char* name, std::string* text)
{
    char value[1024] = {};
    DWORD size = sizeof value - 1;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    const bool found =
        RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    *text = value;
    return found;
}

bool StartTestProgram(int showCommand)
{
    return StartProgram(GetModuleHandleA(nullptr), showCommand) != 0;
}

void StopTestProgram()
{
    if (IsWindow(mainFrame.Handle())) {
        mainFrame.Destroy();
    }
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) {
            DispatchMessageA(&message);
        }
    }
}

bool PumpProgramUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        // In their Unicode form, as the program's own loop takes them.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                break;
            }
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            HWND frame = mainFrame.Handle();
            if (frame && mainFrame.Accelerators() && TranslateAcceleratorW(frame, mainFrame.Accelerators(), &message)) {
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpProgramFor(DWORD waitMs)
{
    PumpProgramUntil([] { return false; }, waitMs);
}
