// The program's settings in the registry: the document's file and scan date, and the main
// window's placement.
#include "settings/Settings.h"

#include "settings/SettingsKey.h"

const char kSettingsPath[] = "Software\\Zelcor Freeware\\Vantorelle\\Settings";

namespace {

// The stored size: length, flags, showCmd, two POINTs and a RECT, the same on 32 and
// 64 bits.
constexpr UINT kPlacementLength = 44;
static_assert(sizeof(WINDOWPLACEMENT) == kPlacementLength, "WINDOWPLACEMENT is 44 bytes");
static_assert(sizeof(RECT) == 16, "rcNormal is stored as four 32-bit integers");

bool OpenSettings(SettingsKey& key)
{
    return key.OpenKey(kSettingsPath, nullptr, HKEY_CURRENT_USER) != 0;
}

bool SetText(HKEY key, const char* name, const char* text)
{
    const DWORD size = static_cast<DWORD>(lstrlenA(text) + 1);
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size) == ERROR_SUCCESS;
}

// The show commands a window placement holds: the platform reports only these three, so
// the program never stores another. Any other value (SW_HIDE above all) is not a placement
// it wrote, and applying it could leave the program running without a window to see.
bool IsStoredShowCommand(UINT showCmd)
{
    return showCmd == SW_SHOWNORMAL || showCmd == SW_SHOWMINIMIZED || showCmd == SW_SHOWMAXIMIZED;
}

bool SetBytes(HKEY key, const char* name, DWORD type, const void* data, DWORD size)
{
    return RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

}  // namespace

void ReadSettings(char* dataFileName, char* scanDate)
{
    SettingsKey key;
    if (!OpenSettings(key)) {
        return;
    }
    key.ReadString("Data file", dataFileName, kDataFileReadSize, "");
    key.ReadString("Scan date", scanDate, kScanDateSize, "");
}

bool WriteDocumentSettings(const char* dataFileName, const char* scanDate)
{
    SettingsKey key;
    if (!OpenSettings(key)) {
        return false;
    }
    const bool fileWritten = SetText(key.Handle(), "Data file", dataFileName);
    const bool dateWritten = SetText(key.Handle(), "Scan date", scanDate);
    return fileWritten && dateWritten;
}

int SaveWindowPlacement(HWND window)
{
    SettingsKey key;
    if (!OpenSettings(key)) {
        return 0;
    }
    WINDOWPLACEMENT placement = {};
    placement.length = kPlacementLength;
    GetWindowPlacement(window, &placement);
    return SetBytes(key.Handle(), "flags", REG_DWORD, &placement.flags, sizeof(DWORD)) &&
           SetBytes(key.Handle(), "showCmd", REG_DWORD, &placement.showCmd, sizeof(DWORD)) &&
           SetBytes(key.Handle(), "rcNormal", REG_BINARY, &placement.rcNormalPosition, sizeof(RECT));
}

int RestoreWindowPlacement(HWND window)
{
    WINDOWPLACEMENT placement = {};
    {
        SettingsKey key;
        if (!OpenSettings(key)) {
            return 0;
        }
        // Start from the window's own placement so that the values not stored (the minimised
        // and maximised positions) stay as they are.
        placement.length = kPlacementLength;
        GetWindowPlacement(window, &placement);
        DWORD flags = 0;
        DWORD showCmd = 0;
        if (!key.ReadDword("flags", &flags, 0) || !key.ReadDword("showCmd", &showCmd, 0) ||
            !IsStoredShowCommand(showCmd)) {
            return 0;
        }
        placement.flags = flags;
        placement.showCmd = showCmd;
        // Only a value of exactly one RECT is a stored rectangle: a longer one fails the
        // query, a shorter one would leave part of the rectangle unread.
        DWORD size = sizeof(RECT);
        if (RegQueryValueExA(key.Handle(), "rcNormal", nullptr, nullptr,
                             reinterpret_cast<BYTE*>(&placement.rcNormalPosition), &size) != ERROR_SUCCESS ||
            size != sizeof(RECT)) {
            return 0;
        }
    }
    // A rectangle may hang off the left or top edge, but it must start at least one icon
    // size before the right and bottom edges, so that part of the window can be reached.
    const int lastLeft = GetSystemMetrics(SM_CXSCREEN) - GetSystemMetrics(SM_CXICON);
    const int lastTop = GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYICON);
    if (placement.rcNormalPosition.left > lastLeft || placement.rcNormalPosition.top > lastTop) {
        return 0;
    }
    SetWindowPlacement(window, &placement);
    return 1;
}
