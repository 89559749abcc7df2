// The status bar: part edges from the font, its height for the layout, and part styles.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/TestWindow.h"
#include "ui/StatusBar.h"

namespace {

TEST(StatusPartEdges, LastPartEndsTwoCharactersShortAndFirstTakesTheRest)
{
    const int widths[] = {80, 24};
    int edges[2] = {};
    StatusPartEdges(400, 7, 2, widths, edges);
    EXPECT_EQ(edges[0], 218);
    EXPECT_EQ(edges[1], 386);
}

TEST(StatusPartEdges, FirstPartsDeclaredWidthIsNotUsed)
{
    const int widths[] = {3, 24};
    int edges[2] = {};
    StatusPartEdges(400, 7, 2, widths, edges);
    EXPECT_EQ(edges[0], 218);
    EXPECT_EQ(edges[1], 386);
}

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        status.SetPartCount(2);
    }
    void Create()
    {
        ASSERT_TRUE(status.CreateStatus(parent.Handle()));
        RECT client;
        GetClientRect(parent.Handle(), &client);
        status.ResizeStatus(SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    }
    // Average character width of the font the status window draws with.
    int AverageCharWidth()
    {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(status.Handle(), WM_GETFONT, 0, 0));
        if (!font) {
            font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        }
        HDC context = GetDC(parent.Handle());
        HGDIOBJ previous = SelectObject(context, font);
        TEXTMETRICA metrics;
        GetTextMetricsA(context, &metrics);
        SelectObject(context, previous);
        ReleaseDC(parent.Handle(), context);
        return metrics.tmAveCharWidth;
    }
    int WindowHeight()
    {
        RECT rect;
        GetWindowRect(status.Handle(), &rect);
        return rect.bottom - rect.top;
    }

    RecordingParent parent;
    StatusBar status;
};

TEST_F(StatusBarTest, ResizeSetsEdgesFromMeasuredWidthAndFont)
{
    status.AddPart(80, 0);
    status.AddPart(24, 0);
    Create();
    RECT rect;
    GetWindowRect(status.Handle(), &rect);
    const int width = rect.right - rect.left;
    const int a = AverageCharWidth();
    ASSERT_GT(a, 0);

    int edges[2] = {};
    ASSERT_EQ(SendMessageA(status.Handle(), SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges)), 2);
    EXPECT_EQ(edges[0], width - 26 * a);
    EXPECT_EQ(edges[1], width - 2 * a);
}

TEST_F(StatusBarTest, HeightIsWindowHeightWhileVisibleAndZeroWhenHidden)
{
    status.AddPart(80, 0);
    status.AddPart(24, 0);
    Create();
    EXPECT_EQ(status.StatusHeight(), 0);  // not on screen while its parent is hidden
    ShowWindow(parent.Handle(), SW_SHOWNOACTIVATE);
    EXPECT_GT(status.StatusHeight(), 0);
    EXPECT_EQ(status.StatusHeight(), WindowHeight());
    ShowWindow(status.Handle(), SW_HIDE);
    EXPECT_EQ(status.StatusHeight(), 0);
}

TEST_F(StatusBarTest, PartStyleComesWithEveryText)
{
    status.AddPart(80, 0);
    status.AddPart(24, SBT_POPOUT);
    Create();
    // The high word of SB_GETTEXTLENGTH is the part's drawing type: set by the initial
    // empty texts of the creation, and again by each later text.
    EXPECT_EQ(HIWORD(SendMessageA(status.Handle(), SB_GETTEXTLENGTHA, 1, 0)), SBT_POPOUT);
    EXPECT_EQ(HIWORD(SendMessageA(status.Handle(), SB_GETTEXTLENGTHA, 0, 0)), 0);

    EXPECT_TRUE(status.SetStatusText(1, "Ready"));
    char text[16] = "";
    const LRESULT result = SendMessageA(status.Handle(), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Ready");
    EXPECT_EQ(LOWORD(result), 5);
    EXPECT_EQ(HIWORD(result), SBT_POPOUT);
}

}  // namespace
