// The modal message box, driven from inside its own wait: layout, buttons, keys and closing.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/PlainWindow.h"
#include "support/RunInsideModalLoop.h"
#include "ui/MessageBoxWindow.h"
#include "ui/Module.h"
#include "ui/TextLines.h"

namespace {

TEST(TextLines, TwoNewlinesInARowMakeAnEmptyLineAndAFinalNewlineMakesNone)
{
    EXPECT_EQ(3, CountLines("a\n\nb"));
    EXPECT_EQ(1, CountLines("a\n"));
    EXPECT_EQ(0, CountLines(""));
}

// The box's buttons as a user reads them, left to right.
std::vector<std::string> ButtonTitlesLeftToRight(HWND box)
{
    std::vector<std::pair<int, std::string>> buttons;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(child, &place);
        buttons.emplace_back(place.left, TitleOf(child));
    }
    std::sort(buttons.begin(), buttons.end());
    std::vector<std::string> titles;
    for (const auto& button : buttons) {
        titles.push_back(button.second);
    }
    return titles;
}

int Width(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

int Height(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

class MessageBoxWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TEXTMETRICA metrics;
        ASSERT_TRUE(DisplayFontMetrics(&metrics));
        lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        GuardAgainstOpenWindow("CMSGCLASS");
    }
    void TearDown() override { CancelAllModalActions(); }

    // Shows a box with text and caption while inside runs from the box's own wait.
    int ShowBox(int style, const char* text, const char* caption, std::function<void()> inside)
    {
        RunInsideModalLoop(std::move(inside));
        return box.Show(owner.Handle(), text, caption, style, 0, 0, 0xC0C0C0, 0x808080);
    }
    int ShowBox(int style, std::function<void()> inside)
    {
        return ShowBox(style, "Delete the folder list?", "Vantorelle", std::move(inside));
    }

    PlainWindow owner;
    MessageBoxWindow box;
    int lineHeight = 0;
};

TEST_F(MessageBoxWindowTest, EmptyTextGivesABoxSixLineHeightsHigh)
{
    int height = 0;
    ShowBox(0, "", "Vantorelle", [&] {
        height = Height(box.Handle());
        PressKey(VK_RETURN);
    });
    EXPECT_EQ(0, box.LineCount());
    EXPECT_EQ(6 * lineHeight + 1, height);  // the centring adds one pixel
}

struct ButtonSet {
    int style;
    std::vector<std::string> titles;
    int minimumLines;  // minimum width of the text area in line heights; 0 for none
};

class MessageBoxButtonsTest : public MessageBoxWindowTest, public ::testing::WithParamInterface<ButtonSet> {};

TEST_P(MessageBoxButtonsTest, ButtonsFollowTheStyle)
{
    std::vector<std::string> titles;
    ShowBox(GetParam().style, [&] {
        titles = ButtonTitlesLeftToRight(box.Handle());
        PostMessageA(box.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(GetParam().titles, titles);
}

TEST_P(MessageBoxButtonsTest, BoxesWithTwoOrThreeButtonsAreAtLeastTheirMinimumWidth)
{
    auto widthFor = [this](int style) {
        int width = 0;
        ShowBox(style, "Hi", "", [&] {
            width = Width(box.Handle());
            PostMessageA(box.Handle(), WM_CLOSE, 0, 0);
        });
        return width;
    };
    const int oneButton = widthFor(0);
    // Text area, margins of the box, and the pixel the centring adds.
    const int minimum = GetParam().minimumLines * lineHeight + 16 + 1;
    EXPECT_EQ(std::max(oneButton, minimum), widthFor(GetParam().style));
}

INSTANTIATE_TEST_SUITE_P(Styles, MessageBoxButtonsTest,
                         ::testing::Values(ButtonSet{0, {"&Ok"}, 0}, ButtonSet{1, {"&Ok", "&Cancel"}, 10},
                                           ButtonSet{2, {"&Ok"}, 0}, ButtonSet{3, {"&Yes", "&No", "&Cancel"}, 13},
                                           ButtonSet{4, {"&Yes", "&No"}, 10}, ButtonSet{5, {"&Ok"}, 0}));

TEST_F(MessageBoxWindowTest, SecondButtonAsDefaultPutsTheFocusOnNo)
{
    std::string focused;
    ShowBox(0x103, [&] {
        focused = TitleOf(GetFocus());
        PostMessageA(box.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ("&No", focused);
}

TEST_F(MessageBoxWindowTest, TabFromCancelGoesRoundToYes)
{
    std::string before, after;
    ShowBox(0x203, [&] {
        before = TitleOf(GetFocus());
        PressKey(VK_TAB);
        after = TitleOf(GetFocus());
        PostMessageA(box.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ("&Cancel", before);
    EXPECT_EQ("&Yes", after);
}

TEST_F(MessageBoxWindowTest, LeftFromYesGoesRoundToCancel)
{
    std::string after;
    ShowBox(3, [&] {
        PressKey(VK_LEFT);
        after = TitleOf(GetFocus());
        PostMessageA(box.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ("&Cancel", after);
}

TEST_F(MessageBoxWindowTest, UnderlinedLetterPressesItsButton)
{
    EXPECT_EQ(IDNO, ShowBox(4, [] { PressKey('N'); }));
}

TEST_F(MessageBoxWindowTest, EnterPressesTheFocusedButton)
{
    EXPECT_EQ(IDNO, ShowBox(0x103, [] { PressKey(VK_RETURN); }));
    EXPECT_EQ(IDCANCEL, ShowBox(0x203, [] { PressKey(VK_RETURN); }));
}

TEST_F(MessageBoxWindowTest, SpacePressesTheFocusedButtonAsTheSystemButtonDoes)
{
    EXPECT_EQ(IDCANCEL, ShowBox(0x101, [] { PressKey(VK_SPACE); }));
}

TEST_F(MessageBoxWindowTest, DefaultButtonTheBoxDoesNotHaveFallsBackToTheFirst)
{
    EXPECT_EQ(IDOK, ShowBox(0x200, [] { PressKey(VK_RETURN); }));
}

TEST_F(MessageBoxWindowTest, CaptionLongerThanEveryLineWidensTheBoxOnlyWithoutAnIcon)
{
    const char* longCaption = "A caption far longer than the single short line of text";
    auto widthWith = [&](int style, const char* caption) {
        int width = 0;
        ShowBox(style, "Short", caption, [&] {
            width = Width(box.Handle());
            PressKey(VK_RETURN);
        });
        return width;
    };
    EXPECT_GT(widthWith(0, longCaption), widthWith(0, "Box"));
    EXPECT_EQ(widthWith(MB_ICONINFORMATION, longCaption), widthWith(MB_ICONINFORMATION, "Box"));
}

TEST_F(MessageBoxWindowTest, OwnerIsDisabledWhileTheBoxIsOpen)
{
    BOOL enabledDuring = TRUE;
    ShowBox(0, [&] {
        enabledDuring = IsWindowEnabled(owner.Handle());
        PressKey(VK_RETURN);
    });
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(MessageBoxWindowTest, WaitingForAButtonTakesAlmostNoProcessorTime)
{
    auto processorSeconds = [] {
        FILETIME created, exited, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        auto ticks = [](const FILETIME& time) {
            return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
        };
        return (ticks(kernel) + ticks(user)) / 1e7;
    };
    const double before = processorSeconds();
    const DWORD start = GetTickCount();
    RunInsideModalLoop([this] { PostMessageA(box.Handle(), WM_CLOSE, 0, 0); }, 1000);
    box.Show(owner.Handle(), "Waiting", "Vantorelle", 0, 0, 0, 0xC0C0C0, 0x808080);
    EXPECT_GE(GetTickCount() - start, 900u);
    EXPECT_LT(processorSeconds() - before, 0.2);
}

TEST_F(MessageBoxWindowTest, BoxClosedWithoutAButtonReturnsZero)
{
    EXPECT_EQ(0, ShowBox(1, [this] { PostMessageA(box.Handle(), WM_CLOSE, 0, 0); }));
    EXPECT_FALSE(IsWindow(box.Handle()));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(MessageBoxWindowTest, BoxDestroyedFromOutsideReturnsZeroAndCanBeShownAgain)
{
    EXPECT_EQ(0, ShowBox(1, [this] { DestroyWindow(box.Handle()); }));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_EQ(IDOK, ShowBox(1, [] { PressKey(VK_RETURN); }));
}

TEST_F(MessageBoxWindowTest, QuitMessageClosesTheBoxAndStaysQueuedForTheMainLoop)
{
    EXPECT_EQ(0, ShowBox(0, [] { PostQuitMessage(3); }));
    EXPECT_FALSE(IsWindow(box.Handle()));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, message.wParam);
}

}  // namespace
