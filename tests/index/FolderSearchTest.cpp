// Finding the first folder by the start of its own name, and where the list scrolls to.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

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

TEST(FolderSearchScriptsTest, NamesBeyondAsciiAreFoundByTheLettersTheyWeighAs)
{
    FolderIndex index;
    ASSERT_TRUE(index.Reset(10));
    for (const char* name : {"Ωmega", "Æble", "Москва", "東京"}) {
        index.Append("D:\\", name);
    }
    auto find = [&index](const char* text) { return FindFirstMatch(index.Records(), index.Count(), text); };
    EXPECT_EQ(1, find("ae")) << "Æ weighs as a and e";
    EXPECT_EQ(2, find("мос"));
    EXPECT_EQ(3, find("東"));
    EXPECT_EQ(-1, find("om")) << "Ω is no o";
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

namespace {

// The search as plainly written: the bounded copy and lstrcmpiA for every record.
int PlainFirstMatch(const FolderIndex& index, const char* text)
{
    const int length = lstrlenA(text);
    char prefix[kPathSize];
    for (int i = 0; length > 0 && i < index.Count(); ++i) {
        lstrcpynA(prefix, index.At(i)->OwnName(), length + 1);
        if (lstrcmpiA(prefix, text) == 0) {
            return i;
        }
    }
    return -1;
}

}  // namespace

TEST(FolderSearchDifferentialTest, FirstMatchAgreesWithThePlainSearchOnRandomNames)
{
    // Upper and lower case, accented letters (with their ligatures), Greek and Cyrillic in
    // both cases, Japanese, Korean, an emoji, hyphens, apostrophes and blanks, which the
    // locale's comparison weighs or ignores specially. A text taken from a name may end
    // inside a character.
    const char* const letters[] = {"a", "A", "b", "B", "e", "E", "s", "S", "z", "Z",  "0",  "1",  "9",  " ", "-",
                                   "'", "_", ".", "æ", "Æ", "ß", "é", "É", "à", "ü",  "Ü",  "ñ",  "²",  "½", "Œ",
                                   "œ", "α", "Α", "Έ", "σ", "Σ", "ς", "ж", "Ж", "表", "あ", "カ", "한", "😀"};
    unsigned seed = 77;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    auto randomText = [&](int length) {
        std::string text;
        for (int j = 0; j < length; ++j) {
            text += letters[next() % (sizeof letters / sizeof *letters)];
        }
        return text;
    };
    FolderIndex index;
    ASSERT_TRUE(index.Reset(3001));
    for (int i = 0; i < 3000; ++i) {
        index.Append("C:\\", randomText(1 + static_cast<int>(next() % 8)).c_str());
    }
    index.Sort();
    int found = 0;
    for (int length = 1; length <= 59; ++length) {
        for (int trial = 0; trial < 40; ++trial) {
            // Half the texts are taken from real names, so that matches occur often.
            std::string text = randomText(length);
            if (trial % 2) {
                text = std::string(index.At(static_cast<int>(next() % 3000))->OwnName()).substr(0, length);
            }
            const int expected = PlainFirstMatch(index, text.c_str());
            ASSERT_EQ(expected, FindFirstMatch(index.Records(), index.Count(), text.c_str())) << "'" << text << "'";
            found += expected >= 0;
        }
    }
    EXPECT_GT(found, 500);
}
