// The round about box, driven from inside its own wait: its shape, its link and its closing.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "support/PlainWindow.h"
#include "support/RunInsideModalLoop.h"
#include "ui/AboutBox.h"
#include "ui/Module.h"
#include "ui/TextLines.h"

namespace {

// What the box handed to the shell, instead of opening a browser.
struct ShellRecord {
    int calls = 0;
    HWND owner = nullptr;
    std::string link;
} shellRecord;

INT_PTR RecordShellOpen(HWND owner, const char* link)
{
    ++shellRecord.calls;
    shellRecord.owner = owner;
    shellRecord.link = link;
    return 42;
}

class CountingAboutBox : public AboutBox {
public:
    void OnClose() override
    {
        ++closes;
        AboutBox::OnClose();
    }
    int closes = 0;
};

// A left click at a point of a window's client area, through the system's input queue.
void ClickAt(HWND window, POINT point)
{
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TEXTMETRICA metrics;
        ASSERT_TRUE(DisplayFontMetrics(&metrics));
        lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        shellRecord = ShellRecord();
        box.shellOpen = RecordShellOpen;
        GuardAgainstOpenWindow("CMSGCLASS");
    }
    void TearDown() override { CancelAllModalActions(); }

    // Shows the box as the about command does, while inside runs from its wait once it
    // has been painted.
    int ShowBox(const char* link, std::function<void()> inside)
    {
        RunInsideModalLoop([this, inside] {
            UpdateWindow(box.Handle());
            inside();
        });
        return box.Show(owner.Handle(), kAboutText, link, 0, kAboutIconId, 0, 0xC0C0C0, 0x808080);
    }
    int ShowBox(std::function<void()> inside) { return ShowBox(kAboutLink, std::move(inside)); }

    PlainWindow owner;
    CountingAboutBox box;
    int lineHeight = 0;
};

TEST(AboutText, IsTheVersionLineAndALineNamingTheYearAndTheMaker)
{
    EXPECT_EQ(0u, std::string(kAboutText).rfind("Vantorelle Version ", 0));
    EXPECT_EQ(2, CountLines(kAboutText));
    EXPECT_NE(std::string::npos, std::string(kAboutText).find("Zelcor Freeware"));
}

TEST_F(AboutBoxTest, WithALinkTheOvalIsTwoTextLinesAndTenMoreHigh)
{
    int children = 0;
    ShowBox([&] {
        children = CountChildWindows(box.Handle());
        PressKey(VK_RETURN);
    });
    EXPECT_EQ((2 + 10) * lineHeight + 1, box.BoxHeight());
    EXPECT_EQ(2, children);  // "&Ok" and the link
}

TEST_F(AboutBoxTest, WithoutALinkTheOvalIsTwoTextLinesAndEightMoreHighWithNoLinkControl)
{
    int children = 0;
    ShowBox("", [&] {
        children = CountChildWindows(box.Handle());
        PressKey(VK_RETURN);
    });
    EXPECT_EQ((2 + 8) * lineHeight + 1, box.BoxHeight());
    EXPECT_EQ(1, children);
}

TEST_F(AboutBoxTest, PointsOutsideTheOvalAreNotPartOfTheWindow)
{
    bool corner = true, centre = false;
    HWND atCorner = nullptr;
    ShowBox([&] {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(box.Handle(), region);
        corner = PtInRegion(region, 3, 3);
        centre = PtInRegion(region, box.BoxWidth() / 2, box.BoxHeight() / 2);
        DeleteObject(region);
        POINT point = {3, 3};
        ClientToScreen(box.Handle(), &point);
        atCorner = WindowFromPoint(point);
        PressKey(VK_RETURN);
    });
    EXPECT_FALSE(corner);
    EXPECT_TRUE(centre);
    EXPECT_NE(box.Handle(), atCorner);
}

TEST_F(AboutBoxTest, OEnterAndSpaceCloseTheBoxWithOk)
{
    for (WPARAM key : {WPARAM('O'), WPARAM(VK_RETURN), WPARAM(VK_SPACE)}) {
        EXPECT_EQ(IDOK, ShowBox([key] { PressKey(key); })) << "key " << key;
    }
}

TEST_F(AboutBoxTest, RepaintingTheBoxMakesNoSecondLinkControl)
{
    int before = 0, after = 0;
    ShowBox([&] {
        before = CountChildWindows(box.Handle());
        InvalidateRect(box.Handle(), nullptr, TRUE);
        UpdateWindow(box.Handle());
        after = CountChildWindows(box.Handle());
        PressKey(VK_RETURN);
    });
    EXPECT_EQ(2, before);
    EXPECT_EQ(2, after);
}

TEST_F(AboutBoxTest, ClickOnTheLinkHandsItToTheShellAndClosesTheBoxOnce)
{
    const int result = ShowBox([this] {
        const RECT& link = box.LinkRect();
        ClickAt(box.Handle(), {(link.left + link.right) / 2, (link.top + link.bottom) / 2});
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1, shellRecord.calls);
    EXPECT_EQ(kAboutLink, shellRecord.link);
    EXPECT_EQ(owner.Handle(), shellRecord.owner);
    EXPECT_EQ(1, box.closes);
    EXPECT_EQ(1, owner.Enablings());
    EXPECT_FALSE(IsWindow(box.Handle()));
}

TEST_F(AboutBoxTest, DraggingTheBodyMovesTheBoxWithTheMouse)
{
    RECT before = {}, after = {};
    POINT start = {}, end = {};
    ShowBox([&] {
        GetWindowRect(box.Handle(), &before);
        start = {box.BoxWidth() / 2, 2 * lineHeight};  // between the icon and the text
        ClientToScreen(box.Handle(), &start);
        SetCursorPos(start.x, start.y);
        INPUT input[3] = {};
        for (INPUT& event : input) {
            event.type = INPUT_MOUSE;
        }
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        // Relative, so the mouse speed settings decide how far the cursor really goes.
        input[1].mi.dwFlags = MOUSEEVENTF_MOVE;
        input[1].mi.dx = 30;
        input[1].mi.dy = 20;
        input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(3, input, sizeof(INPUT));
        RunInsideModalLoop(
            [&] {
                GetCursorPos(&end);
                GetWindowRect(box.Handle(), &after);
                PressKey(VK_RETURN);
            },
            200);
    });
    ASSERT_NE(start.x, end.x);
    EXPECT_EQ(before.left + end.x - start.x, after.left);
    EXPECT_EQ(before.top + end.y - start.y, after.top);
}

TEST_F(AboutBoxTest, SystemCloseKeyEndsTheWaitWithoutAResult)
{
    // Alt+F4 as the focused button receives it.
    EXPECT_EQ(0, ShowBox([] { SendMessageA(GetFocus(), WM_SYSKEYDOWN, VK_F4, 0x20000001); }));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(AboutBoxTest, CloseRequestFromOutsideEndsTheWaitWithoutAResult)
{
    EXPECT_EQ(0, ShowBox([this] { PostMessageA(box.Handle(), WM_CLOSE, 0, 0); }));
}

}  // namespace
