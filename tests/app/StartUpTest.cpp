// Start-up with no settings, the layout of the three bands, and the placement kept between runs.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ProgramTest.h"
#include "app/MainFrame.h"
#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "settings/Settings.h"
#include "support/RunningProgram.h"
#include "support/WindowPixels.h"
#include "ui/ButtonBar.h"
#include "ui/StatusBar.h"

namespace {

// A window's rectangle in the client coordinates of another window.
RECT RectIn(HWND window, HWND reference)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

RECT ClientRect(HWND window)
{
    RECT rect;
    GetClientRect(window, &rect);
    return rect;
}

void StoreSetting(const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
        ERROR_SUCCESS) {
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
}

class StartUpTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(Start());
    }

    void ResizeFrame(int width, int height)
    {
        SetWindowPos(mainFrame.Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // Button bar on top, workspace below it, status bar along the bottom, all full width;
    // the list fills the workspace below the band of the search box.
    void ExpectBandsFill()
    {
        HWND frame = mainFrame.Handle();
        const RECT area = ClientRect(frame);
        const RECT bar = RectIn(buttonBar.Handle(), frame);
        const RECT middle = RectIn(workspace.Handle(), frame);
        const RECT status = RectIn(statusBar.Handle(), frame);
        EXPECT_EQ(bar.top, 0);
        EXPECT_EQ(bar.right, area.right);
        EXPECT_EQ(bar.bottom, mainFrame.BarHeight());
        EXPECT_EQ(middle.top, bar.bottom);
        EXPECT_EQ(middle.right, area.right);
        EXPECT_EQ(middle.bottom, status.top);
        EXPECT_EQ(status.right, area.right);
        EXPECT_EQ(status.bottom, area.bottom);
        EXPECT_GT(Height(status), 0);

        const RECT inner = ClientRect(workspace.Handle());
        const RECT list = RectIn(workspace.FolderList(), workspace.Handle());
        EXPECT_EQ(list.left, 0);
        EXPECT_EQ(list.top, 2 * workspace.LineHeight());
        EXPECT_EQ(list.right, inner.right);
        EXPECT_EQ(list.bottom, inner.bottom);
    }
};

TEST_F(StartUpTest, MainWindowOpensCentredAt541By399TitledVantorelle)
{
    RECT window;
    GetWindowRect(mainFrame.Handle(), &window);
    EXPECT_EQ(window.right - window.left, 541);
    EXPECT_EQ(window.bottom - window.top, 399);
    EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXFULLSCREEN) + 1) / 2 - 541 / 2);
    EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYFULLSCREEN) + 1) / 2 - 399 / 2);
    char title[64] = {};
    GetWindowTextA(mainFrame.Handle(), title, sizeof title);
    EXPECT_STREQ(title, "Vantorelle");
    EXPECT_TRUE(IsWindowVisible(mainFrame.Handle()));
}

TEST_F(StartUpTest, MainWindowClassCarriesTheProgramIcon)
{
    HICON programIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VANTORELLE));
    ASSERT_NE(programIcon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(mainFrame.Handle(), GCLP_HICON)), programIcon);
}

TEST_F(StartUpTest, FiveButtonsLeftToRightWithSaveAndViewFilesDisabled)
{
    std::map<LONG, HWND> byLeft;
    for (HWND button = GetWindow(buttonBar.Handle(), GW_CHILD); button; button = GetWindow(button, GW_HWNDNEXT)) {
        byLeft[RectIn(button, buttonBar.Handle()).left] = button;
    }
    std::vector<std::string> titles;
    std::vector<bool> enabled;
    for (const auto& [left, button] : byLeft) {
        char text[32] = {};
        GetWindowTextA(button, text, sizeof text);
        titles.push_back(text);
        enabled.push_back(IsWindowEnabled(button) != 0);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"&Scan drives", "Sa&ve", "View &files", "&About", "E&xit"}));
    EXPECT_EQ(enabled, (std::vector<bool>{true, false, false, true, true}));
}

TEST_F(StartUpTest, SearchBoxSitsOnTheGreyBandAboveTheFullWidthList)
{
    const int line = workspace.LineHeight();
    const RECT edit = RectIn(workspace.SearchEdit(), workspace.Handle());
    EXPECT_EQ(edit.left, 20);
    EXPECT_EQ(edit.top, line / 2);
    EXPECT_EQ(edit.right - edit.left, 220);
    EXPECT_EQ(Height(edit), line);

    const RECT band = {0, 0, 10, 2 * line};
    EXPECT_TRUE(WindowPixels(workspace.Handle(), band).AllAre(RGB(128, 128, 128)));
    ExpectBandsFill();
}

TEST_F(StartUpTest, StatusShowsNoScanDateAndNoFolders)
{
    EXPECT_EQ(StatusText(0), "Last scanned: ");
    EXPECT_EQ(StatusText(1), "\tTotal folders:  0");
    EXPECT_EQ(ListCount(), 0);
    EXPECT_STREQ(workspace.DataFileName(), "");
    EXPECT_EQ(workspace.Modified(), 0);
}

TEST_F(StartUpTest, BandsFollowAResizeOfTheFrame)
{
    ResizeFrame(700, 520);
    ExpectBandsFill();
    ResizeFrame(420, 300);
    ExpectBandsFill();
}

TEST_F(StartUpTest, ClientShorterThanTheBandsLeavesTheWorkspaceEmpty)
{
    RECT window;
    GetWindowRect(mainFrame.Handle(), &window);
    const int frameHeight = window.bottom - window.top - ClientRect(mainFrame.Handle()).bottom;
    ResizeFrame(500, frameHeight + mainFrame.BarHeight());
    ASSERT_LT(ClientRect(mainFrame.Handle()).bottom, mainFrame.BarHeight() + statusBar.StatusHeight());

    EXPECT_EQ(Height(RectIn(workspace.Handle(), mainFrame.Handle())), 0);
    EXPECT_EQ(Height(RectIn(workspace.FolderList(), workspace.Handle())), 0);
    EXPECT_EQ(workspace.VisibleRows(), 0);
    EXPECT_EQ(StatusText(1), "\tTotal folders:  0");
}

TEST_F(StartUpTest, MinimiseEmptiesTheWorkspaceAndRestoreLaysOutAgain)
{
    ShowWindow(mainFrame.Handle(), SW_MINIMIZE);
    EXPECT_EQ(mainFrame.ClientHeight(), 0);
    EXPECT_EQ(Height(ClientRect(workspace.Handle())), 0);
    ShowWindow(mainFrame.Handle(), SW_RESTORE);
    EXPECT_GT(workspace.VisibleRows(), 0);
    ExpectBandsFill();
}

TEST_F(StartUpTest, ClosedMaximisedReopensMaximisedWithItsNormalRectangle)
{
    SetWindowPos(mainFrame.Handle(), nullptr, 50, 60, 600, 450, SWP_NOZORDER);
    ShowWindow(mainFrame.Handle(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(mainFrame.Handle()));
    Command(IDM_EXIT);
    ASSERT_FALSE(IsWindow(mainFrame.Handle()));
    StopTestProgram();

    ASSERT_TRUE(Start());
    EXPECT_TRUE(IsZoomed(mainFrame.Handle()));
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(mainFrame.Handle(), &placement);
    EXPECT_EQ(placement.rcNormalPosition.left, 50);
    EXPECT_EQ(placement.rcNormalPosition.top, 60);
    EXPECT_EQ(placement.rcNormalPosition.right, 650);
    EXPECT_EQ(placement.rcNormalPosition.bottom, 510);
    ExpectBandsFill();
}

// A stored placement that would hide the window, or whose values are not the DWORDs the
// program writes, is ignored as a whole: the window opens shown where it opens without one.
TEST_F(StartUpTest, PlacementThatWouldHideTheWindowOrIsNotStoredAsDwordsIsIgnored)
{
    RECT opened;
    GetWindowRect(mainFrame.Handle(), &opened);
    StopTestProgram();
    const RECT stored = {100, 80, 500, 380};
    const DWORD zero = 0;
    const DWORD normal = SW_SHOWNORMAL;
    struct Case {
        DWORD flagsType;
        DWORD showType;
        DWORD showCmd;
    };
    for (const Case& stale : {Case{REG_DWORD, REG_DWORD, SW_HIDE}, Case{REG_DWORD, REG_DWORD, 12},
                              Case{REG_DWORD, REG_BINARY, normal}, Case{REG_BINARY, REG_DWORD, normal}}) {
        DeleteProgramSettings();
        StoreSetting("flags", stale.flagsType, &zero, sizeof zero);
        StoreSetting("showCmd", stale.showType, &stale.showCmd, sizeof stale.showCmd);
        StoreSetting("rcNormal", REG_BINARY, &stored, sizeof stored);
        ASSERT_TRUE(Start());
        RECT window;
        GetWindowRect(mainFrame.Handle(), &window);
        EXPECT_TRUE(IsWindowVisible(mainFrame.Handle())) << stale.showCmd;
        EXPECT_FALSE(IsIconic(mainFrame.Handle()));
        EXPECT_EQ(window.left, opened.left) << "types " << stale.flagsType << ", " << stale.showType;
        EXPECT_EQ(window.bottom, opened.bottom);
        StopTestProgram();
    }
}

}  // namespace
