// The button bar on real windows: layout, enabling, and what reaches the parent.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/RunInsideModalLoop.h"
#include "support/TestWindow.h"
#include "ui/ButtonBar.h"

namespace {

constexpr int kBarHeight = 30;
constexpr int kScan = 40001, kSave = 40002, kAbout = 40003, kExit = 40004, kView = 40005;

class ButtonBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar.SetCapacity(5);
        ASSERT_TRUE(bar.CreateBar(parent.Handle(), 0, 0, 600, kBarHeight));
    }
    // The bar's window goes before the object does.
    void TearDown() override { bar.Destroy(); }

    void AddProgramButtons()
    {
        ASSERT_TRUE(bar.AddButton("&Scan drives", 90, kScan, 0));
        ASSERT_TRUE(bar.AddButton("Sa&ve", 60, kSave, 1));
        ASSERT_TRUE(bar.AddButton("&About", 80, kAbout, 0));
        ASSERT_TRUE(bar.AddButton("E&xit", 60, kExit, 0));
        ASSERT_TRUE(bar.AddButton("View &files", 60, kView, 1));
    }

    // A button's rectangle in the bar's client coordinates.
    RECT Placement(int id)
    {
        RECT rect;
        GetWindowRect(bar.ButtonWindow(id), &rect);
        MapWindowPoints(nullptr, bar.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    std::vector<bool> EnabledStates()
    {
        std::vector<bool> states;
        for (int id : {kScan, kSave, kAbout, kExit, kView}) {
            states.push_back(IsWindowEnabled(bar.ButtonWindow(id)) != 0);
        }
        return states;
    }

    RecordingParent parent{WM_COMMAND, ButtonBar::kRelayedMessage};
    ButtonBar bar;
};

TEST_F(ButtonBarTest, ButtonsSitLeftToRightThreePixelsApart)
{
    AddProgramButtons();
    const int lefts[] = {2, 95, 158, 241, 304};
    const int ids[] = {kScan, kSave, kAbout, kExit, kView};
    for (int i = 0; i < 5; ++i) {
        const RECT rect = Placement(ids[i]);
        EXPECT_EQ(rect.left, lefts[i]) << "button " << i;
        EXPECT_EQ(rect.top, 3) << "button " << i;
        EXPECT_EQ(rect.bottom - rect.top, kBarHeight - 6) << "button " << i;
    }
}

TEST_F(ButtonBarTest, SixthButtonDoesNotFitAndChangesNothing)
{
    AddProgramButtons();
    EXPECT_EQ(bar.AddButton("Extra", 50, 40006, 0), 0);
    EXPECT_EQ(bar.ButtonCount(), 5);
    EXPECT_EQ(CountChildWindows(bar.Handle()), 5);
    EXPECT_EQ(bar.ButtonWindow(40006), nullptr);
}

TEST_F(ButtonBarTest, DisabledButtonsStartDisabledAndCanBeEnabled)
{
    AddProgramButtons();
    EXPECT_EQ(EnabledStates(), (std::vector<bool>{true, false, true, true, false}));
    bar.EnableButton(kSave, TRUE);
    EXPECT_EQ(EnabledStates(), (std::vector<bool>{true, true, true, true, false}));
    bar.EnableButton(kScan, FALSE);
    EXPECT_EQ(EnabledStates(), (std::vector<bool>{false, true, true, true, false}));
}

TEST_F(ButtonBarTest, EnablingUnknownIdChangesNothing)
{
    AddProgramButtons();
    bar.EnableButton(12345, TRUE);
    EXPECT_EQ(EnabledStates(), (std::vector<bool>{true, false, true, true, false}));
}

TEST_F(ButtonBarTest, ClickOnButtonReachesParentAsCommandFromBar)
{
    AddProgramButtons();
    SendMessageA(bar.ButtonWindow(kAbout), BM_CLICK, 0, 0);
    ASSERT_EQ(parent.Received().size(), 1u);
    EXPECT_EQ(parent.Received()[0].message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(parent.Received()[0].wParam, static_cast<WPARAM>(kAbout));
    EXPECT_EQ(parent.Received()[0].lParam, reinterpret_cast<LPARAM>(bar.Handle()));
}

TEST_F(ButtonBarTest, OtherButtonNotificationsAreNotPassedOn)
{
    AddProgramButtons();
    const LPARAM button = reinterpret_cast<LPARAM>(bar.ButtonWindow(kExit));
    SendMessageA(bar.Handle(), WM_COMMAND, MAKEWPARAM(kExit, BN_SETFOCUS), button);
    SendMessageA(bar.Handle(), WM_COMMAND, MAKEWPARAM(kExit, BN_KILLFOCUS), button);
    EXPECT_TRUE(parent.Received().empty());
}

TEST_F(ButtonBarTest, RelayedMessageReachesParentUnchanged)
{
    EXPECT_EQ(SendMessageA(bar.Handle(), ButtonBar::kRelayedMessage, 17, 0x12345678), 0);
    ASSERT_EQ(parent.Received().size(), 1u);
    EXPECT_EQ(parent.Received()[0].message, ButtonBar::kRelayedMessage);
    EXPECT_EQ(parent.Received()[0].wParam, 17u);
    EXPECT_EQ(parent.Received()[0].lParam, 0x12345678);
}

// With the mouse, through the real input path; the parent has to be on screen for that.
TEST(ButtonBarOnScreen, MouseClickOnButtonReachesParentAsCommand)
{
    RecordingParent parent({WM_COMMAND}, true);
    ButtonBar bar;
    bar.SetCapacity(5);
    ASSERT_TRUE(bar.CreateBar(parent.Handle(), 0, 0, 600, kBarHeight));
    ASSERT_TRUE(bar.AddButton("&Scan drives", 90, kScan, 0));
    SetForegroundWindow(parent.Handle());
    UpdateWindow(parent.Handle());

    RECT rect;
    GetWindowRect(bar.ButtonWindow(kScan), &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));

    EXPECT_TRUE(PumpUntil([&] { return !parent.Received().empty(); }));
    ASSERT_EQ(parent.Received().size(), 1u);
    EXPECT_EQ(parent.Received()[0].wParam, static_cast<WPARAM>(kScan));
    EXPECT_EQ(parent.Received()[0].lParam, reinterpret_cast<LPARAM>(bar.Handle()));
    bar.Destroy();
}

}  // namespace
