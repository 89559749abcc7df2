// The owner-drawn folder list: selection by the mouse, how rows are drawn, and opening the
// selected folder in the shell.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ProgramTest.h"
#include "app/MainFrame.h"
#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "index/FolderCollector.h"
#include "support/Input.h"
#include "support/RunningProgram.h"
#include "support/WindowPixels.h"

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);

class FolderListTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        d.Folder("alpha");
        d.Folder("Tom & Jerry & Spike");
        d.File("tool.exe");
        d.Folder("Ελληνικά");
        ASSERT_TRUE(StartWithDataFile("D:\\folders.dat",
                                      {"D:\\alpha", "D:\\Tom & Jerry & Spike", "D:\\tool.exe", "D:\\Ελληνικά"}));
        ASSERT_EQ(ListCount(), 4);
    }

    RECT Row(int i)
    {
        RECT rect = {};
        SendMessageA(workspace.FolderList(), LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    POINT OnScreen(int row)
    {
        const RECT rect = Row(row);
        POINT point = {rect.right / 2, (rect.top + rect.bottom) / 2};
        ClientToScreen(workspace.FolderList(), &point);
        return point;
    }
    void Select(int row) { SendMessageA(workspace.FolderList(), LB_SETCURSEL, static_cast<WPARAM>(row), 0); }

    // How wide a row's text (UTF-8, as the records hold it) is drawn in the list's font, with
    // or without the '&' rule.
    int TextWidth(const char* text, UINT prefixRule)
    {
        WCHAR wide[kPathSize];
        MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, kPathSize);
        HWND list = workspace.FolderList();
        HDC context = GetDC(list);
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
        HGDIOBJ previous = SelectObject(context, font ? font : GetStockObject(SYSTEM_FONT));
        RECT rect = {0, 0, 0, 0};
        DrawTextW(context, wide, -1, &rect, DT_CALCRECT | DT_SINGLELINE | prefixRule);
        SelectObject(context, previous);
        ReleaseDC(list, context);
        return rect.right;
    }
};

TEST_F(FolderListTest, ClickOnARowSelectsItInYellowEnablesViewFilesAndReturnsToTheSearchBox)
{
    input::Click(OnScreen(1));
    ASSERT_TRUE(PumpProgramUntil([this] { return Selection() == 1 && GetFocus() == workspace.SearchEdit(); }));
    EXPECT_TRUE(ButtonEnabled(IDM_VIEW_FILES));
    const RECT row = Row(1);
    EXPECT_EQ(WindowPixels(workspace.FolderList(), row).At(row.right - 2, row.top + 1), kYellow);
    const RECT other = Row(0);
    EXPECT_EQ(WindowPixels(workspace.FolderList(), other).At(other.right - 2, other.top + 1),
              GetSysColor(COLOR_WINDOW));
}

TEST_F(FolderListTest, PathWithAmpersandsIsDrawnWithThem)
{
    const char* path = "D:\\Tom & Jerry & Spike";
    const int asWritten = TextWidth(path, DT_NOPREFIX);
    const int asPrefixed = TextWidth(path, 0);
    ASSERT_GT(asWritten - asPrefixed, 6);

    const RECT row = Row(1);
    const int ink = WindowPixels(workspace.FolderList(), row).RightmostInk(GetSysColor(COLOR_WINDOW)) + 1;
    EXPECT_LE(std::abs(ink - asWritten), 2) << "ink ends at " << ink;
}

TEST_F(FolderListTest, PathInAnotherScriptIsDrawnAsItsCharacters)
{
    const RECT row = Row(3);
    const int ink = WindowPixels(workspace.FolderList(), row).RightmostInk(GetSysColor(COLOR_WINDOW)) + 1;
    const int asCharacters = TextWidth("D:\\Ελληνικά", DT_NOPREFIX);
    EXPECT_LE(std::abs(ink - asCharacters), 2) << "ink ends at " << ink << " instead of " << asCharacters;
}

TEST_F(FolderListTest, RowsFromTheIndexCountOnAreDrawnEmpty)
{
    // The list may count more rows than the index holds: during a scan it keeps the old count
    // while the index fills again from zero.
    folderCollector.Index().SetCount(1);
    SendMessageA(workspace.FolderList(), LB_SETCOUNT, 5, 0);
    RedrawWindow(workspace.FolderList(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    EXPECT_GE(WindowPixels(workspace.FolderList(), Row(0)).RightmostInk(background), Row(0).left);
    for (int i = 1; i < 5; ++i) {
        EXPECT_TRUE(WindowPixels(workspace.FolderList(), Row(i)).AllAre(background)) << "row " << i;
    }
}

TEST_F(FolderListTest, OpenWithNothingSelectedYieldsMinusOneAndCallsNothing)
{
    EXPECT_EQ(workspace.OpenSelectedFolder(), -1);
    EXPECT_TRUE(opened.empty());
}

TEST_F(FolderListTest, OpenHandsTheSelectedFolderToTheShell)
{
    Select(1);
    EXPECT_EQ(workspace.OpenSelectedFolder(), 42);
    EXPECT_EQ(opened, (std::vector<std::string>{"D:\\Tom & Jerry & Spike"}));
}

TEST_F(FolderListTest, OpenPassesOverARecordThatNamesAFile)
{
    Select(2);
    EXPECT_EQ(workspace.OpenSelectedFolder(), -1);
    EXPECT_TRUE(opened.empty());
}

TEST_F(FolderListTest, ViewFilesOpensTheClickedFolder)
{
    input::Click(OnScreen(0));
    ASSERT_TRUE(PumpProgramUntil([this] { return ButtonEnabled(IDM_VIEW_FILES); }));
    Command(IDM_VIEW_FILES);
    EXPECT_EQ(opened, (std::vector<std::string>{"D:\\alpha"}));
}

TEST_F(FolderListTest, DoubleClickOnARowOpensItsFolder)
{
    input::Click(OnScreen(0), 2);
    EXPECT_TRUE(PumpProgramUntil([] { return !opened.empty(); }));
    EXPECT_EQ(opened, (std::vector<std::string>{"D:\\alpha"}));
}

}  // namespace
