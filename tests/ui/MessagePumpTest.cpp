// The message pump of long work: it dispatches what is queued and leaves the quit message.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/TestWindow.h"
#include "ui/MessagePump.h"

namespace {

constexpr UINT kProbe = WM_APP + 7;

TEST(PumpMessages, DispatchesPostedMessageAndReportsEmptyQueue)
{
    RecordingParent window({kProbe});
    PostMessageA(window.Handle(), kProbe, 3, 4);
    EXPECT_EQ(PumpMessages(), 0);
    ASSERT_EQ(window.Received().size(), 1u);
    EXPECT_EQ(window.Received()[0].wParam, 3u);
}

TEST(PumpMessages, ReportsQuitAndLeavesItInQueue)
{
    RecordingParent window({kProbe});
    PostMessageA(window.Handle(), kProbe, 0, 0);
    PostQuitMessage(5);
    EXPECT_EQ(PumpMessages(), 1);
    EXPECT_EQ(window.Received().size(), 1u);

    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 5u);
}

}  // namespace
