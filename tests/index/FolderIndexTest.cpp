// The record block under the index: reset, append, growth and the own-name sort.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "index/FolderIndex.h"

namespace {

bool AllZero(const FolderIndex& index)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(index.Records());
    const size_t size = static_cast<size_t>(index.Capacity()) * sizeof(FolderRecord);
    for (size_t i = 0; i < size; ++i) {
        if (bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST(FolderIndexTest, ResetZeroWithoutMemoryFailsAndLeavesTheIndexEmpty)
{
    FolderIndex index;
    EXPECT_FALSE(index.Reset(0));
    EXPECT_EQ(0, index.Count());
    EXPECT_EQ(0, index.Capacity());
    EXPECT_EQ(nullptr, index.Records());
    EXPECT_FALSE(index.Append("C:\\", "A"));
}

TEST(FolderIndexTest, ResetZeroWithAnArrayKeepsAndZeroesIt)
{
    FolderIndex index;
    ASSERT_TRUE(index.Reset(50));
    index.Append("C:\\", "Data");
    EXPECT_TRUE(index.Reset(0));
    EXPECT_EQ(0, index.Count());
    EXPECT_EQ(50, index.Capacity());
    EXPECT_TRUE(AllZero(index));
}

TEST(FolderIndexTest, ResetWithinCapacityKeepsTheLargerArrayAndZeroesAllOfIt)
{
    FolderIndex index;
    ASSERT_TRUE(index.Reset(100));
    FolderRecord* before = index.Records();
    for (int i = 0; i < 60; ++i) {
        index.Append("C:\\Data\\", "Music");
    }
    EXPECT_TRUE(index.Reset(80));
    EXPECT_EQ(before, index.Records());
    EXPECT_EQ(100, index.Capacity());
    EXPECT_EQ(0, index.Count());
    EXPECT_TRUE(AllZero(index));
}

TEST(FolderIndexTest, ResetBeyondCapacityAllocatesExactlyTheRequestedRecords)
{
    FolderIndex index;
    ASSERT_TRUE(index.Reset(10));
    EXPECT_TRUE(index.Reset(25));
    EXPECT_EQ(25, index.Capacity());
    EXPECT_TRUE(AllZero(index));
}

TEST(FolderIndexTest, AppendStoresTheOwnNameOffsetAndTheJoinedPath)
{
    FolderIndex index;
    ASSERT_TRUE(index.Reset(10));
    index.Append("C:\\Data\\", "Music");
    index.Append("D:\\", "Games");
    ASSERT_EQ(2, index.Count());
    EXPECT_EQ(8u, index.At(0)->nameOffset);
    EXPECT_STREQ("C:\\Data\\Music", index.At(0)->path);
    EXPECT_STREQ("Music", index.At(0)->OwnName());
    EXPECT_EQ(3u, index.At(1)->nameOffset);
    EXPECT_STREQ("Games", index.At(1)->OwnName());
}

TEST(FolderIndexTest, TheTenThousandthAppendGrowsTheArrayAndTheOneBeforeDoesNot)
{
    FolderIndex index;
    ASSERT_TRUE(index.Reset(10000));
    for (int i = 0; i < 9999; ++i) {
        ASSERT_TRUE(index.Append("C:\\", ("F" + std::to_string(i)).c_str()));
    }
    EXPECT_EQ(10000, index.Capacity());
    ASSERT_TRUE(index.Append("C:\\", "Last"));
    EXPECT_EQ(20000, index.Capacity());
    EXPECT_EQ(10000, index.Count());
    // The contents came along and the new tail is zero.
    EXPECT_STREQ("C:\\F0", index.At(0)->path);
    EXPECT_STREQ("C:\\F9998", index.At(9998)->path);
    EXPECT_STREQ("C:\\Last", index.At(9999)->path);
    const auto* tail = reinterpret_cast<const unsigned char*>(index.At(10000));
    for (size_t i = 0; i < 10000 * sizeof(FolderRecord); ++i) {
        ASSERT_EQ(0, tail[i]) << "byte " << i << " of the grown tail";
    }
}

TEST(FolderIndexTest, SortOrdersByOwnNameOnlyAsLstrcmpDoes)
{
    FolderIndex index;
    ASSERT_TRUE(index.Reset(10));
    index.Append("C:\\Zeta\\", "beta");
    index.Append("C:\\", "Beta");
    index.Append("D:\\Alpha\\", "gamma");
    index.Append("C:\\Aardvark\\", "alpha");
    index.Append("E:\\", "Alpha");
    index.Sort();
    ASSERT_EQ(5, index.Count());
    for (int i = 1; i < index.Count(); ++i) {
        EXPECT_LE(lstrcmpA(index.At(i - 1)->OwnName(), index.At(i)->OwnName()), 0)
            << index.At(i - 1)->path << " before " << index.At(i)->path;
    }
    EXPECT_STREQ("gamma", index.At(4)->OwnName());
    // Letter case alone orders lower before upper in the user's locale.
    EXPECT_STREQ("alpha", index.At(0)->OwnName());
    EXPECT_STREQ("Alpha", index.At(1)->OwnName());
}

TEST(FolderIndexTest, SortOfRandomNamesLeavesEveryAdjacentPairInLstrcmpOrder)
{
    // Mixed case, accented letters with their ligatures, Greek, Cyrillic, Japanese, an emoji,
    // hyphens, apostrophes and blanks: the names on which a byte-wise or ASCII-only order
    // would differ from the locale's.
    const char* const letters[] = {"a", "A", "b", "B", "c", "C", "z", "Z", "0", "9",  "-",  "'",
                                   " ", "_", ".", "é", "É", "à", "À", "ü", "Ü", "ß",  "ñ",  "Ñ",
                                   "æ", "Æ", "ø", "α", "Α", "σ", "ς", "ж", "Ж", "表", "一", "😀"};
    FolderIndex index;
    ASSERT_TRUE(index.Reset(20000));
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int i = 0; i < 20000; ++i) {
        std::string name;
        const int length = 1 + static_cast<int>(next() % 10);
        for (int j = 0; j < length; ++j) {
            name += letters[next() % (sizeof letters / sizeof *letters)];
        }
        index.Append("C:\\", name.c_str());
    }
    index.Sort();
    for (int i = 1; i < index.Count(); ++i) {
        ASSERT_LE(lstrcmpA(index.At(i - 1)->OwnName(), index.At(i)->OwnName()), 0)
            << "'" << index.At(i - 1)->OwnName() << "' before '" << index.At(i)->OwnName() << "'";
    }
}
