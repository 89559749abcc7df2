// Centring a window over its owner or the screen: the arithmetic, and one real window.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/CentreWindow.h"

namespace {

void ExpectPosition(const CentredPosition& actual, int x, int y, int width, int height)
{
    EXPECT_EQ(x, actual.x);
    EXPECT_EQ(y, actual.y);
    EXPECT_EQ(width, actual.width);
    EXPECT_EQ(height, actual.height);
}

TEST(CentrePosition, CentresOverTheReferenceAndGrowsOnePixelEachWay)
{
    // A 99 x 49 window over a 400 x 300 reference at (100, 100).
    ExpectPosition(CentrePosition({100, 100, 500, 400}, {0, 0, 99, 49}), 250, 225, 100, 50);
}

TEST(CentrePosition, WindowLargerThanItsOwnerEndsAtTheOwnersRightAndBottomEdges)
{
    ExpectPosition(CentrePosition({500, 400, 600, 500}, {0, 0, 199, 149}), 400, 350, 200, 150);
}

TEST(CentrePosition, WindowNeverStartsLeftOfOrAboveTheScreenOrigin)
{
    ExpectPosition(CentrePosition({10, 10, 110, 110}, {0, 0, 300, 300}), 0, 0, 301, 301);
}

TEST(CentreWindow, WindowWithoutOwnerWiderThanTheScreenGoesToTheLeftEdge)
{
    const int width = GetSystemMetrics(SM_CXFULLSCREEN) + 50;
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 300, 200, width, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    CentreWindow(window);
    RECT placed;
    GetWindowRect(window, &placed);
    EXPECT_EQ(0, placed.left);
    EXPECT_EQ(width + 1, placed.right - placed.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYFULLSCREEN) + 1) / 2 - 101 / 2, placed.top);  // 101: grown by one
    DestroyWindow(window);
}

}  // namespace
