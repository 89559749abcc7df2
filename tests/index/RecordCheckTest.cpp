// The check of records read from a data file: what a scan makes passes, damage does not.
#include <gtest/gtest.h>

#include <cstring>

#include "index/CodePage.h"
#include "index/RecordCheck.h"

namespace {

FolderRecord Record(uint32_t nameOffset, const char* path)
{
    FolderRecord record = {};
    record.nameOffset = nameOffset;
    std::strncpy(record.path, path, kPathSize);
    return record;
}

}  // namespace

TEST(RecordCheckTest, RecordOfAScannedFolderIsSound)
{
    EXPECT_TRUE(IsSoundRecord(Record(8, "C:\\Data\\Music"), kUtf8Rules));
}

TEST(RecordCheckTest, FolderDirectlyBelowADriveRootIsSound)
{
    EXPECT_TRUE(IsSoundRecord(Record(3, "d:\\Games"), kUtf8Rules));
}

TEST(RecordCheckTest, PathFillingTheWholeFieldWithItsTerminatorIsSound)
{
    char path[kPathSize];
    std::memset(path, 'a', sizeof path);
    std::memcpy(path, "Z:\\", 3);
    path[kPathSize - 1] = '\0';
    EXPECT_TRUE(IsSoundRecord(Record(3, path), kUtf8Rules));
}

TEST(RecordCheckTest, PathWithoutTerminatorInItsFieldIsRefused)
{
    FolderRecord record = Record(3, "D:\\");
    std::memset(record.path + 3, 'a', kPathSize - 3);
    EXPECT_FALSE(IsSoundRecord(record, kUtf8Rules));
}

TEST(RecordCheckTest, PathWithoutDriveLetterIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(9, "\\\\server\\share"), kUtf8Rules));
    EXPECT_FALSE(IsSoundRecord(Record(3, "1:\\Data"), kUtf8Rules));
    EXPECT_FALSE(IsSoundRecord(Record(3, "C:/Data"), kUtf8Rules));
    EXPECT_FALSE(IsSoundRecord(Record(3, ""), kUtf8Rules));
}

TEST(RecordCheckTest, DriveRootAloneIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(3, "C:\\"), kUtf8Rules));
}

TEST(RecordCheckTest, NameOffsetBelowThreeIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(2, "C:\\Data"), kUtf8Rules));
    EXPECT_FALSE(IsSoundRecord(Record(0, "C:\\Data"), kUtf8Rules));
}

TEST(RecordCheckTest, NameOffsetAtOrPastTheTerminatorIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(7, "C:\\Data"), kUtf8Rules));
    EXPECT_FALSE(IsSoundRecord(Record(200, "C:\\Data"), kUtf8Rules));
    EXPECT_FALSE(IsSoundRecord(Record(0xFFFFFFFFu, "C:\\Data"), kUtf8Rules));
}

TEST(RecordCheckTest, NameOffsetNotJustPastABackslashIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(9, "C:\\Data\\Music"), kUtf8Rules));
}

TEST(RecordCheckTest, OwnNameContainingABackslashIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(3, "C:\\Data\\Music"), kUtf8Rules));
}

TEST(RecordCheckTest, DoubleByteNamesAreReadByTheirCodePage)
{
    // D:\一覧表\表 in code page 932, where 表 is 0x95 0x5C: its second byte is no separator.
    const CodePageRules rules932 = CodePageRulesOf(932);
    const char path[] = "D:\\\x88\xea\x97\x97\x95\x5c\\\x95\x5c";
    EXPECT_TRUE(IsSoundRecord(Record(3, "D:\\\x88\xea\x97\x97\x95\x5c"), rules932));
    EXPECT_TRUE(IsSoundRecord(Record(10, path), rules932));
    EXPECT_FALSE(IsSoundRecord(Record(9, "D:\\\x88\xea\x97\x97\x95\x5cx"), rules932))
        << "the own name begins after the second byte of a character";
    EXPECT_FALSE(IsSoundRecord(Record(3, path), rules932)) << "the own name holds a real separator";
}

TEST(RecordCheckTest, OnlyPathsThatAreNotUtf8AreLegacyAndOnlyWhereTheProcessSpeaksUtf8)
{
    const FolderRecord cafe1252 = Record(3, "D:\\Caf\xe9");
    EXPECT_TRUE(IsLegacyRecord(cafe1252, kUtf8Rules));
    EXPECT_FALSE(IsLegacyRecord(cafe1252, CodePageRulesOf(1252)));
    EXPECT_FALSE(IsLegacyRecord(Record(3, "D:\\Café"), kUtf8Rules));
    FolderRecord unterminated = Record(3, "D:\\");
    std::memset(unterminated.path + 3, 0xe9, kPathSize - 3);
    EXPECT_FALSE(IsLegacyRecord(unterminated, kUtf8Rules));
}
