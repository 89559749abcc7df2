// The progress notice over a real owner window: size, place, modality, raising and Cancel.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/PlainWindow.h"
#include "support/RunInsideModalLoop.h"
#include "ui/Module.h"
#include "ui/ProgressWindow.h"

namespace {

class CancelRecorder : public CancelTarget {
public:
    void Cancel() { ++cancels; }
    int cancels = 0;
};

class ProgressWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TEXTMETRICA metrics;
        ASSERT_TRUE(DisplayFontMetrics(&metrics));
        charWidth = metrics.tmAveCharWidth;
        lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    }
    void TearDown() override { notice.Destroy(); }

    RECT NoticeRect() const
    {
        RECT rect = {};
        GetWindowRect(notice.Handle(), &rect);
        return rect;
    }

    // Odd width and height, so that halving them truncates.
    PlainWindow owner{101, 77, 401, 301};
    ProgressWindow notice;
    int charWidth = 0;
    int lineHeight = 0;
};

TEST_F(ProgressWindowTest, NoticeIsTextPlusTwelveCharactersWideAndFiveLinesHighCentredOnTheOwner)
{
    ASSERT_EQ(1, notice.Show(owner.Handle(), "Scanning drive D:", 0));
    const RECT rect = NoticeRect();
    const int width = (17 + 12) * charWidth;
    const int height = 5 * lineHeight;
    EXPECT_EQ(width, rect.right - rect.left);
    EXPECT_EQ(height, rect.bottom - rect.top);
    EXPECT_EQ(101 + 401 / 2 - width / 2, rect.left);
    EXPECT_EQ(77 + 301 / 2 - height / 2, rect.top);
}

TEST_F(ProgressWindowTest, EmptyTextStillGivesTwelveCharactersWidth)
{
    notice.Show(owner.Handle(), "", 0);
    const RECT rect = NoticeRect();
    EXPECT_EQ(12 * charWidth, rect.right - rect.left);
}

TEST_F(ProgressWindowTest, SecondShowNeitherMovesNorResizesNorAddsAWindow)
{
    notice.Show(owner.Handle(), "Scanning drive D:", 0);
    const RECT first = NoticeRect();
    HWND window = notice.Handle();
    notice.Show(owner.Handle(), "Sorting...", 0);
    const RECT second = NoticeRect();
    EXPECT_EQ(window, notice.Handle());
    EXPECT_EQ(1, CountThreadWindows("WKWND"));
    EXPECT_TRUE(EqualRect(&first, &second));
}

TEST_F(ProgressWindowTest, ModalNoticeDisablesTheOwnerUntilItIsDestroyed)
{
    notice.Show(owner.Handle(), "Sorting...", 1);
    EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
    EXPECT_EQ(1, notice.Destroy());
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(ProgressWindowTest, NoticeThatIsNotModalLeavesTheOwnerEnabled)
{
    notice.Show(owner.Handle(), "Sorting...", 0);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(ProgressWindowTest, DestroyingTheNoticeRaisesTheOwnerAboveOtherWindows)
{
    notice.Show(owner.Handle(), "Sorting...", 0);
    PlainWindow other(150, 120, 300, 200);
    SetWindowPos(other.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    auto ownerIsAboveOther = [&] {
        for (HWND window = GetWindow(owner.Handle(), GW_HWNDNEXT); window; window = GetWindow(window, GW_HWNDNEXT)) {
            if (window == other.Handle()) {
                return true;
            }
        }
        return false;
    };
    ASSERT_FALSE(ownerIsAboveOther());
    notice.Destroy();
    EXPECT_TRUE(ownerIsAboveOther());
}

TEST_F(ProgressWindowTest, DestroyWithoutANoticeFailsHarmlessly)
{
    EXPECT_EQ(0, notice.Destroy());
}

TEST_F(ProgressWindowTest, CancelOwnerGetsACancelButtonFiveLinesDownThatCallsBack)
{
    CancelRecorder recorder;
    notice.SetCancelOwner(&recorder, static_cast<CancelCallback>(&CancelRecorder::Cancel));
    notice.Show(owner.Handle(), "Scanning drive D:", 0);
    const RECT rect = NoticeRect();
    EXPECT_EQ(7 * lineHeight, rect.bottom - rect.top);

    HWND button = GetDlgItem(notice.Handle(), ProgressWindow::kCancelId);
    ASSERT_NE(nullptr, button);
    EXPECT_EQ("&Cancel", TitleOf(button));
    RECT place;
    GetWindowRect(button, &place);
    MapWindowPoints(nullptr, notice.Handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(5 * lineHeight, place.top);
    EXPECT_EQ(4 * lineHeight, notice.InnerRect().bottom);

    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(1, recorder.cancels);
}

TEST_F(ProgressWindowTest, WithoutCancelOwnerTheTextFrameEndsOneLineAboveTheBottom)
{
    notice.Show(owner.Handle(), "Sorting...", 0);
    RECT client;
    GetClientRect(notice.Handle(), &client);
    EXPECT_EQ(nullptr, GetDlgItem(notice.Handle(), ProgressWindow::kCancelId));
    EXPECT_EQ(client.bottom - lineHeight, notice.InnerRect().bottom);
}

}  // namespace
