// The frame on real windows: the three bands after resizing, minimising and restoring.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/FrameWindow.h"
#include "ui/Module.h"

namespace {

// The simplest client a frame can hold: a child window that accepts its creation.
class TestClient : public WindowObject {
public:
    TestClient() { SetStyle(WS_CHILD | WS_VISIBLE); }

    int Create(HWND parent, HMENU menuOrId, const char* title, int x, int y, int width, int height) override
    {
        RegisterWindowClass();
        return CreateWindowObject("VantorelleTestClient", parent, menuOrId, title, x, y, width, height);
    }
    int RegisterWindowClass() override
    {
        static int registered = 0;
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = SharedWindowProc;
        windowClass.cbWndExtra = 4;
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = "VantorelleTestClient";
        return RegisterOnce(&registered, &windowClass, false);
    }
    int OnCreate() override { return 1; }
};

// A frame whose close guard and placement restore the test decides.
class TestFrame : public FrameWindow {
public:
    int CanClose() override { return canClose; }
    int RestorePlacement() override { return placementRestored; }

    int canClose = 1;
    int placementRestored = 0;
};

// A rectangle as text, so that a failed comparison shows all four edges.
std::string Edges(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " - " + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

class FrameWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar.SetCapacity(5);
        status.SetPartCount(2);
        status.AddPart(80, 0);
        status.AddPart(24, 0);
        ASSERT_TRUE(frame.CreateFrame(&client, &bar, &status));
    }
    void Show() { frame.ShowFrame(SW_SHOWNORMAL); }
    void TearDown() override
    {
        frame.Destroy();
        // Destroying the frame asks the message loop to end; this test thread has none.
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    void Resize(int width, int height)
    {
        SetWindowPos(frame.Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A band's window rectangle in the frame's client coordinates.
    RECT Band(HWND window)
    {
        RECT rect;
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, frame.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    RECT ClientArea()
    {
        RECT rect;
        GetClientRect(frame.Handle(), &rect);
        return rect;
    }
    // Bar on top, status along the bottom, the client in between, all at full width.
    void ExpectBandsFill(const RECT& area)
    {
        const int statusHeight = status.StatusHeight();
        ASSERT_GT(statusHeight, 0);
        const int barHeight = frame.BarHeight();
        EXPECT_EQ(Edges(Band(bar.Handle())), Edges({0, 0, area.right, barHeight}));
        EXPECT_EQ(Edges(Band(client.Handle())), Edges({0, barHeight, area.right, area.bottom - statusHeight}));
        EXPECT_EQ(Edges(Band(status.Handle())), Edges({0, area.bottom - statusHeight, area.right, area.bottom}));
    }

    TestClient client;
    ButtonBar bar;
    StatusBar status;
    TestFrame frame;
};

TEST_F(FrameWindowTest, BarIsDisplayTextHeightPlusTwelve)
{
    TEXTMETRICA metrics;
    ASSERT_TRUE(DisplayFontMetrics(&metrics));
    EXPECT_EQ(frame.BarHeight(), metrics.tmHeight + 12);
}

TEST_F(FrameWindowTest, ShownFrameHasBandsInPlace)
{
    Show();
    ExpectBandsFill(ClientArea());
}

TEST_F(FrameWindowTest, RestoredPlacementIsNotOverriddenByShowCommand)
{
    frame.placementRestored = 1;
    Show();
    EXPECT_FALSE(IsWindowVisible(frame.Handle()));
}

TEST_F(FrameWindowTest, ResizeLaysOutBarClientAndStatusTopToBottom)
{
    Show();
    Resize(600, 400);
    const RECT area = ClientArea();
    EXPECT_EQ(frame.ClientWidth(), area.right);
    EXPECT_EQ(frame.ClientHeight(), area.bottom);
    ExpectBandsFill(area);
}

TEST_F(FrameWindowTest, ClientAreaSmallerThanBandsLeavesClientEmpty)
{
    Show();
    Resize(600, 400);
    RECT window;
    GetWindowRect(frame.Handle(), &window);
    const int frameHeight = window.bottom - window.top - ClientArea().bottom;
    Resize(600, frameHeight + frame.BarHeight());
    const RECT area = ClientArea();
    ASSERT_LT(area.bottom, frame.BarHeight() + status.StatusHeight());

    const RECT middle = Band(client.Handle());
    EXPECT_EQ(middle.bottom - middle.top, 0);
    EXPECT_EQ(Band(bar.Handle()).right, area.right);
    EXPECT_EQ(Band(status.Handle()).bottom, area.bottom);
}

TEST_F(FrameWindowTest, MinimisedFrameHasNoClientSizeAndRestoreLaysOutAgain)
{
    Show();
    Resize(600, 400);
    ShowWindow(frame.Handle(), SW_MINIMIZE);
    EXPECT_EQ(frame.ClientWidth(), 0);
    EXPECT_EQ(frame.ClientHeight(), 0);
    ShowWindow(frame.Handle(), SW_RESTORE);
    const RECT area = ClientArea();
    EXPECT_EQ(frame.ClientWidth(), area.right);
    EXPECT_EQ(frame.ClientHeight(), area.bottom);
    ExpectBandsFill(area);
}

TEST_F(FrameWindowTest, FocusGoesOnToClient)
{
    Show();
    SetFocus(frame.Handle());
    EXPECT_EQ(GetFocus(), client.Handle());
}

TEST_F(FrameWindowTest, CloseDestroysFrameAndEndsMessageLoop)
{
    SendMessageA(frame.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(frame.Handle(), nullptr);
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    EXPECT_EQ(frame.RunMessageLoop(), 0);
}

TEST_F(FrameWindowTest, CloseAndSessionEndWaitForCanClose)
{
    frame.canClose = 0;
    EXPECT_EQ(SendMessageA(frame.Handle(), WM_QUERYENDSESSION, 0, 0), 0);
    SendMessageA(frame.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(frame.Handle()));
    frame.canClose = 1;
    EXPECT_EQ(SendMessageA(frame.Handle(), WM_QUERYENDSESSION, 0, 0), 1);
}

}  // namespace
