// Finding the first folder by the start of its own name, and where the list scrolls to.
#include <windows.h>

#include <gtest/gtest.h>

#include "index/FolderIndex.h"
#include "index/FolderSearch.h"

namespace {

class FolderSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(index.Reset(10));
        index.Append("C:\\Music\\", "Alpha");
        index.Append("C:\\Program Files\\", "beta");
        index.Append("D:\\", "Betamax");
        index.Append("C:\\Work\\", "Delta");
    }
    int Find(const char* text) { return FindFirstMatch(index.Records(), index.Count(), text); }

    FolderIndex index;
};

}  // namespace

TEST_F(FolderSearchTest, FirstMatchInArrayOrderIgnoringCase)
{
    EXPECT_EQ(0, Find("a"));
    EXPECT_EQ(1, Find("BET"));
    EXPECT_EQ(2, Find("betam"));
    EXPECT_EQ(3, Find("delta"));
}

TEST_F(FolderSearchTest, OnlyOwnNamesMatchNotDrivesOrParents)
{
    EXPECT_EQ(-1, Find("c"));
    EXPECT_EQ(-1, Find("music"));
    EXPECT_EQ(-1, Find("program"));
}

TEST_F(FolderSearchTest, EmptyTextLongerTextAndEmptyIndexFindNothing)
{
    EXPECT_EQ(-1, Find(""));
    EXPECT_EQ(-1, Find("deltas"));
    EXPECT_EQ(-1, FindFirstMatch(index.Records(), 0, "a"));
}

TEST(SearchScrollTest, AMatchOutsideTheShownRowsIsCentred)
{
    // One letter first matches 500, two letters 520, with 20 rows visible.
    EXPECT_TRUE(IsOutsideShownRows(500, 0, 20));
    EXPECT_EQ(490, CentredTop(500, 20));
    EXPECT_TRUE(IsOutsideShownRows(520, 490, 20));
    EXPECT_EQ(510, CentredTop(520, 20));
    EXPECT_FALSE(IsOutsideShownRows(509, 490, 20));
}

TEST(SearchScrollTest, AMatchNearTheStartScrollsToTheTop)
{
    EXPECT_TRUE(IsOutsideShownRows(3, 100, 20));
    EXPECT_EQ(0, CentredTop(3, 20));
}

TEST(SearchScrollTest, WithoutVisibleRowsEveryMatchIsOutsideAndBecomesTheTop)
{
    EXPECT_TRUE(IsOutsideShownRows(7, 7, 0));
    EXPECT_EQ(7, CentredTop(7, 0));
}
