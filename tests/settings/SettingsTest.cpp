// The settings key in the test prefix's registry: document texts and window placement.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/Settings.h"
#include "settings/SettingsKey.h"

namespace {

const RECT kNormal = {100, 80, 500, 380};

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

// A hidden top-level window of its own class, like the main window before its first show.
HWND CreateTestWindow()
{
    static const char* className = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = PlainWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.lpszClassName = "SettingsTestWindow";
        RegisterClassA(&windowClass);
        return windowClass.lpszClassName;
    }();
    return CreateWindowExA(0, className, "Settings test", WS_OVERLAPPEDWINDOW, 40, 30, 300, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

WINDOWPLACEMENT PlacementOf(HWND window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    return placement;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsPath); }
    void TearDown() override
    {
        if (window) {
            DestroyWindow(window);
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsPath);
    }

    void Store(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(key);
    }
    void StoreText(const char* name, const std::string& text)
    {
        Store(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    void StorePlacement(UINT showCmd, const RECT& normal)
    {
        const DWORD flags = 0;
        Store("flags", REG_DWORD, &flags, sizeof flags);
        Store("showCmd", REG_DWORD, &showCmd, sizeof showCmd);
        Store("rcNormal", REG_BINARY, &normal, sizeof normal);
    }
    int Restore()
    {
        window = CreateTestWindow();
        return RestoreWindowPlacement(window);
    }
    void ReadBoth()
    {
        std::memset(dataFileName, 'x', sizeof dataFileName);
        std::memset(scanDate, 'x', sizeof scanDate);
        ReadSettings(dataFileName, scanDate);
    }

    HWND window = nullptr;
    char dataFileName[260];
    char scanDate[21];
};

}  // namespace

TEST_F(SettingsTest, FirstRunCreatesTheKeyAndYieldsEmptyTexts)
{
    ReadBoth();
    EXPECT_STREQ("", dataFileName);
    EXPECT_STREQ("", scanDate);
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, KEY_READ, &key));
    RegCloseKey(key);
}

TEST_F(SettingsTest, FirstRunRestoresNoPlacementAndLeavesTheWindowHidden)
{
    EXPECT_EQ(0, Restore());
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(SettingsTest, SavedDocumentSettingsAreReadBack)
{
    ASSERT_TRUE(WriteDocumentSettings("D:\\lists\\Vantorelle.dat", "03.02.2024  17:45"));
    ReadBoth();
    EXPECT_STREQ("D:\\lists\\Vantorelle.dat", dataFileName);
    EXPECT_STREQ("03.02.2024  17:45", scanDate);
}

TEST_F(SettingsTest, DataFileOf259CharactersIsReadAndOneOf260YieldsTheEmptyDefault)
{
    const std::string path = "D:\\" + std::string(256, 'a');
    StoreText("Data file", path);
    ReadBoth();
    EXPECT_EQ(path, dataFileName);

    StoreText("Data file", path + "b");
    ReadBoth();
    EXPECT_STREQ("", dataFileName);
}

TEST_F(SettingsTest, DataFileOf258CharactersIsRead)
{
    const std::string path = "D:\\" + std::string(255, 'a');
    StoreText("Data file", path);
    ReadBoth();
    EXPECT_EQ(path, dataFileName);
}

TEST_F(SettingsTest, ScanDateOver20CharactersYieldsTheEmptyDefault)
{
    StoreText("Scan date", std::string(21, '1'));
    ReadBoth();
    EXPECT_STREQ("", scanDate);
}

TEST_F(SettingsTest, StoredBytesWithoutTerminatorFillingTheBufferYieldTheEmptyDefault)
{
    const std::string digits(kScanDateSize, '7');
    Store("Scan date", REG_BINARY, digits.data(), kScanDateSize);
    ReadBoth();
    EXPECT_STREQ("", scanDate);

    Store("Scan date", REG_SZ, digits.data(), kScanDateSize);
    ReadBoth();
    EXPECT_STREQ("", scanDate);
}

TEST_F(SettingsTest, ShorterStoredBytesWithoutTerminatorAreReadAsText)
{
    Store("Scan date", REG_BINARY, "12345", 5);
    ReadBoth();
    EXPECT_STREQ("12345", scanDate);
}

TEST_F(SettingsTest, PlacementWithoutRcNormalIsNotRestored)
{
    StorePlacement(SW_SHOWNORMAL, kNormal);
    HKEY key;
    RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, KEY_ALL_ACCESS, &key);
    RegDeleteValueA(key, "rcNormal");
    RegCloseKey(key);
    EXPECT_EQ(0, Restore());
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(SettingsTest, PlacementWithA17ByteRcNormalIsNotRestored)
{
    StorePlacement(SW_SHOWNORMAL, kNormal);
    char bytes[17] = {};
    std::memcpy(bytes, &kNormal, sizeof kNormal);
    Store("rcNormal", REG_BINARY, bytes, sizeof bytes);
    EXPECT_EQ(0, Restore());
}

TEST_F(SettingsTest, LeftOneIconWidthBeforeTheRightEdgeIsAccepted)
{
    const int left = GetSystemMetrics(SM_CXSCREEN) - GetSystemMetrics(SM_CXICON);
    const RECT normal = {left, 100, left + 300, 300};
    StorePlacement(SW_SHOWNORMAL, normal);
    ASSERT_EQ(1, Restore());
    EXPECT_TRUE(SameRect(normal, PlacementOf(window).rcNormalPosition));
}

TEST_F(SettingsTest, LeftOnePixelFurtherRightIsRejected)
{
    const int left = GetSystemMetrics(SM_CXSCREEN) - GetSystemMetrics(SM_CXICON) + 1;
    StorePlacement(SW_SHOWNORMAL, RECT{left, 100, left + 300, 300});
    EXPECT_EQ(0, Restore());
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(SettingsTest, TopOneIconHeightAboveTheBottomEdgeIsAccepted)
{
    const int top = GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYICON);
    const RECT normal = {100, top, 400, top + 200};
    StorePlacement(SW_SHOWNORMAL, normal);
    ASSERT_EQ(1, Restore());
    EXPECT_TRUE(SameRect(normal, PlacementOf(window).rcNormalPosition));
}

TEST_F(SettingsTest, TopOnePixelFurtherDownIsRejected)
{
    const int top = GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYICON) + 1;
    StorePlacement(SW_SHOWNORMAL, RECT{100, top, 400, top + 200});
    EXPECT_EQ(0, Restore());
}

TEST_F(SettingsTest, NegativeLeftAndTopAreRestoredAsStored)
{
    const RECT normal = {-150, -40, 250, 260};
    StorePlacement(SW_SHOWNORMAL, normal);
    ASSERT_EQ(1, Restore());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(SameRect(normal, PlacementOf(window).rcNormalPosition));
}

TEST_F(SettingsTest, WindowClosedMaximisedReopensMaximisedWithItsNormalRectangle)
{
    HWND first = CreateTestWindow();
    WINDOWPLACEMENT placement = PlacementOf(first);
    placement.rcNormalPosition = kNormal;
    placement.showCmd = SW_SHOWMAXIMIZED;
    SetWindowPlacement(first, &placement);
    ASSERT_TRUE(IsZoomed(first));
    ASSERT_EQ(1, SaveWindowPlacement(first));
    DestroyWindow(first);

    ASSERT_EQ(1, Restore());
    EXPECT_TRUE(IsZoomed(window));
    EXPECT_TRUE(SameRect(kNormal, PlacementOf(window).rcNormalPosition));
    ShowWindow(window, SW_RESTORE);
    RECT shown;
    GetWindowRect(window, &shown);
    EXPECT_TRUE(SameRect(kNormal, shown));
}

TEST_F(SettingsTest, WindowClosedMinimisedReopensMinimised)
{
    HWND first = CreateTestWindow();
    ShowWindow(first, SW_SHOWMINIMIZED);
    ASSERT_TRUE(IsIconic(first));
    ASSERT_EQ(1, SaveWindowPlacement(first));
    DestroyWindow(first);

    ASSERT_EQ(1, Restore());
    EXPECT_TRUE(IsIconic(window));
}
