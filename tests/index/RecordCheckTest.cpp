// The check of records read from a data file: what a scan makes passes, damage does not.
#include <gtest/gtest.h>

#include <cstring>

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
    EXPECT_TRUE(IsSoundRecord(Record(8, "C:\\Data\\Music")));
}

TEST(RecordCheckTest, FolderDirectlyBelowADriveRootIsSound)
{
    EXPECT_TRUE(IsSoundRecord(Record(3, "d:\\Games")));
}

TEST(RecordCheckTest, PathFillingTheWholeFieldWithItsTerminatorIsSound)
{
    char path[kPathSize];
    std::memset(path, 'a', sizeof path);
    std::memcpy(path, "Z:\\", 3);
    path[kPathSize - 1] = '\0';
    EXPECT_TRUE(IsSoundRecord(Record(3, path)));
}

TEST(RecordCheckTest, PathWithoutTerminatorInItsFieldIsRefused)
{
    FolderRecord record = Record(3, "D:\\");
    std::memset(record.path + 3, 'a', kPathSize - 3);
    EXPECT_FALSE(IsSoundRecord(record));
}

TEST(RecordCheckTest, PathWithoutDriveLetterIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(9, "\\\\server\\share")));
    EXPECT_FALSE(IsSoundRecord(Record(3, "1:\\Data")));
    EXPECT_FALSE(IsSoundRecord(Record(3, "C:/Data")));
    EXPECT_FALSE(IsSoundRecord(Record(3, "")));
}

TEST(RecordCheckTest, DriveRootAloneIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(3, "C:\\")));
}

TEST(RecordCheckTest, NameOffsetBelowThreeIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(2, "C:\\Data")));
    EXPECT_FALSE(IsSoundRecord(Record(0, "C:\\Data")));
}

TEST(RecordCheckTest, NameOffsetAtOrPastTheTerminatorIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(7, "C:\\Data")));
    EXPECT_FALSE(IsSoundRecord(Record(200, "C:\\Data")));
    EXPECT_FALSE(IsSoundRecord(Record(0xFFFFFFFFu, "C:\\Data")));
}

TEST(RecordCheckTest, NameOffsetNotJustPastABackslashIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(9, "C:\\Data\\Music")));
}

TEST(RecordCheckTest, OwnNameContainingABackslashIsRefused)
{
    EXPECT_FALSE(IsSoundRecord(Record(3, "C:\\Data\\Music")));
}
