// Type-ahead search: characters typed into the search box select the first folder whose own
// name starts with the text.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramTest.h"
#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "support/DialogAnswerer.h"
#include "support/RunningProgram.h"

namespace {

class SearchEditTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        // In own-name order, as a scan leaves them; "parent" and "x" are only parents.
        ASSERT_TRUE(StartWithDataFile("D:\\folders.dat", {"D:\\Alpha", "D:\\x\\alpine", "D:\\beta", "D:\\parent\\kid",
                                                          "D:\\x\\Parsley", "D:\\zeta"}));
    }

    // Types text into the search box, one WM_CHAR each as the keyboard delivers them, and
    // lets every search run.
    void Type(const std::string& text)
    {
        for (char c : text) {
            PostMessageA(workspace.SearchEdit(), WM_CHAR, static_cast<unsigned char>(c), 1);
        }
        PumpProgramFor(0);
    }
};

TEST_F(SearchEditTest, TypingSelectsTheFirstFolderStartingWithTheTextInAnyCase)
{
    Type("AL");
    EXPECT_EQ(WindowText(workspace.SearchEdit()), "al");
    EXPECT_EQ(Selection(), 0);
    Type("pi");
    EXPECT_EQ(Selection(), 1);
    EXPECT_EQ(beeps, 0);
}

TEST_F(SearchEditTest, MissBeepsAndLeavesTheSelection)
{
    Type("be");
    ASSERT_EQ(Selection(), 2);
    Type("q");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(Selection(), 2);
}

TEST_F(SearchEditTest, BackspaceToAnEmptyBoxBeeps)
{
    Type("z");
    ASSERT_EQ(Selection(), 5);
    Type("\b");
    EXPECT_EQ(WindowText(workspace.SearchEdit()), "");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(Selection(), 5);
}

TEST_F(SearchEditTest, SearchDoesNotEnableViewFiles)
{
    Type("b");
    ASSERT_EQ(Selection(), 2);
    EXPECT_FALSE(ButtonEnabled(IDM_VIEW_FILES));
}

TEST_F(SearchEditTest, ParentNameDoesNotMatchTheFoldersBelowIt)
{
    Type("x");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(Selection(), -1);
    SendMessageA(workspace.SearchEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    Type("par");
    EXPECT_EQ(Selection(), 4);
}

TEST_F(SearchEditTest, ACharacterOfTwoUtf16UnitsIsSearchedForOnceWhole)
{
    // 😀 (U+1F600) reaches the box as its two surrogates, one WM_CHAR each.
    auto searches = [] {
        int posted = 0;
        MSG message;
        while (PeekMessageA(&message, workspace.Handle(), WM_SEARCH, WM_SEARCH, PM_REMOVE)) {
            ++posted;
        }
        return posted;
    };
    SendMessageW(workspace.SearchEdit(), WM_CHAR, 0xD83D, 1);
    EXPECT_EQ(searches(), 0);
    SendMessageW(workspace.SearchEdit(), WM_CHAR, 0xDE00, 1);
    EXPECT_EQ(searches(), 1);
    EXPECT_EQ(WindowText(workspace.SearchEdit()), "😀");
}

// An index longer than the list shows at once.
class SearchScrollTest : public ProgramTest {};

TEST_F(SearchScrollTest, MatchOutOfViewIsScrolledToTheMiddleOfTheList)
{
    std::vector<std::string> paths;
    for (const char* letter : {"a", "b"}) {
        for (int i = 0; i < 150; ++i) {
            paths.push_back(std::string("D:\\") + letter + std::to_string(1000 + i));
        }
    }
    ASSERT_TRUE(StartWithDataFile("D:\\folders.dat", paths));
    const int rows = workspace.VisibleRows();
    ASSERT_GT(rows, 2);

    PostMessageA(workspace.SearchEdit(), WM_CHAR, 'b', 1);
    PumpProgramFor(0);
    EXPECT_EQ(Selection(), 150);
    EXPECT_EQ(SendMessageA(workspace.FolderList(), LB_GETTOPINDEX, 0, 0), 150 - rows / 2);
}

}  // namespace
