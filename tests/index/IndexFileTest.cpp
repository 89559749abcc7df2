// The data file: records byte for byte, whole records only, unsound records dropped, and
// a save that never destroys the previous file.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "index/IndexFile.h"
#include "support/TempTree.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string RecordBytes(uint32_t nameOffset, const std::string& path)
{
    FolderRecord record = {};
    record.nameOffset = nameOffset;
    CopyMemory(record.path, path.data(), path.size() < sizeof record.path ? path.size() : sizeof record.path);
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

class IndexFileTest : public ::testing::Test {
protected:
    std::string DataFile() const { return tree.Root() + "Vantorelle.dat"; }
    void Fill(std::initializer_list<const char*> names)
    {
        ASSERT_TRUE(index.Reset(10));
        for (const char* name : names) {
            index.Append("C:\\Data\\", name);
        }
    }
    int FilesInTree() const
    {
        int files = 0;
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((tree.Root() + "*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                files += !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
            } while (FindNextFileA(search, &entry));
            FindClose(search);
        }
        return files;
    }

    TempTree tree;
    FolderIndex index;
};

}  // namespace

TEST_F(IndexFileTest, SavedRecordsAreTheArrayByteForByteAndLoadBackInOrder)
{
    Fill({"Zeta", "Alpha", "Music"});
    ASSERT_EQ(SaveResult::Saved, SaveIndexFile(DataFile().c_str(), index));
    const std::string bytes = ReadBytes(DataFile());
    ASSERT_EQ(3 * sizeof(FolderRecord), bytes.size());
    EXPECT_EQ(0, memcmp(bytes.data(), index.Records(), bytes.size()));

    FolderIndex loaded;
    ASSERT_EQ(3, LoadIndexFile(DataFile().c_str(), loaded));
    EXPECT_STREQ("C:\\Data\\Zeta", loaded.At(0)->path);
    EXPECT_STREQ("Music", loaded.At(2)->OwnName());
    EXPECT_EQ(1, FilesInTree()) << "the temporary file is gone";
}

TEST_F(IndexFileTest, AnEmptyIndexWritesAnEmptyFileThatLoadsNothing)
{
    ASSERT_TRUE(index.Reset(10));
    ASSERT_EQ(SaveResult::Saved, SaveIndexFile(DataFile().c_str(), index));
    EXPECT_EQ("", ReadBytes(DataFile()));
    FolderIndex loaded;
    EXPECT_EQ(0, LoadIndexFile(DataFile().c_str(), loaded));
}

TEST_F(IndexFileTest, AMissingFileLoadsNothing)
{
    FolderIndex loaded;
    EXPECT_EQ(0, LoadIndexFile((tree.Root() + "none.dat").c_str(), loaded));
    EXPECT_EQ(0, LoadIndexFile("", loaded));
}

TEST_F(IndexFileTest, AnIncompleteLastRecordIsLeftOut)
{
    WriteBytes(DataFile(), RecordBytes(3, "C:\\One") + RecordBytes(3, "D:\\Two") + std::string(100, 'x'));
    FolderIndex loaded;
    ASSERT_EQ(2, LoadIndexFile(DataFile().c_str(), loaded));
    EXPECT_STREQ("D:\\Two", loaded.At(1)->path);
    EXPECT_EQ(2, loaded.Capacity());
}

TEST_F(IndexFileTest, UnsoundRecordsAreDroppedAndTheRestKeepTheirOrder)
{
    std::string unterminated = RecordBytes(3, "C:\\" + std::string(300, 'n'));
    WriteBytes(DataFile(), RecordBytes(3, "C:\\Good") + unterminated + RecordBytes(200, "C:\\Offset") +
                               RecordBytes(0, "\\\\server\\share") + RecordBytes(8, "E:\\Also\\Good"));
    FolderIndex loaded;
    ASSERT_EQ(2, LoadIndexFile(DataFile().c_str(), loaded));
    EXPECT_STREQ("C:\\Good", loaded.At(0)->path);
    EXPECT_STREQ("E:\\Also\\Good", loaded.At(1)->path);
    EXPECT_STREQ("Good", loaded.At(1)->OwnName());
}

TEST_F(IndexFileTest, RecordsSavedInTheLegacyCodePageLoadInUtf8AndThoseThatNoLongerFitAreDropped)
{
    // Saved while the program spoke code page 1252, the user's legacy code page here: é is
    // one byte there and two in UTF-8, so the long name fits the field only in 1252.
    const std::string tooLong = "D:\\" + std::string(200, '\xe9');
    WriteBytes(DataFile(), RecordBytes(8, std::string("D:\\Caf\xe9\\") + '\xdc' + "ber") + RecordBytes(3, tooLong) +
                               RecordBytes(3, "D:\\Ελλάδα") + RecordBytes(200, "D:\\Caf\xe9") +
                               RecordBytes(3, "E:\\Caf\xe9"));
    FolderIndex loaded;
    ASSERT_EQ(3, LoadIndexFile(DataFile().c_str(), loaded));
    EXPECT_STREQ("D:\\Café\\Über", loaded.At(0)->path);
    EXPECT_STREQ("Über", loaded.At(0)->OwnName());
    EXPECT_STREQ("D:\\Ελλάδα", loaded.At(1)->path) << "UTF-8 is kept as it is";
    EXPECT_STREQ("E:\\Café", loaded.At(2)->path);
}

TEST_F(IndexFileTest, AKnownFileIsOverwritten)
{
    Fill({"Old", "Older"});
    ASSERT_EQ(SaveResult::Saved, SaveIndexFile(DataFile().c_str(), index));
    Fill({"New"});
    ASSERT_EQ(SaveResult::Saved, SaveIndexFile(DataFile().c_str(), index));
    EXPECT_EQ(sizeof(FolderRecord), ReadBytes(DataFile()).size());
}

TEST_F(IndexFileTest, AFileHeldOpenElsewhereIsLeftAsItWasAndTheSaveFails)
{
    Fill({"Kept"});
    ASSERT_EQ(SaveResult::Saved, SaveIndexFile(DataFile().c_str(), index));
    const std::string before = ReadBytes(DataFile());
    HANDLE held = CreateFileA(DataFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    Fill({"Replacement", "Another"});
    EXPECT_NE(SaveResult::Saved, SaveIndexFile(DataFile().c_str(), index));
    CloseHandle(held);
    EXPECT_EQ(before, ReadBytes(DataFile()));
    EXPECT_EQ(1, FilesInTree()) << "the temporary file was removed";
}

TEST_F(IndexFileTest, AFolderThatDoesNotExistCannotBeOpened)
{
    Fill({"Any"});
    EXPECT_EQ(SaveResult::CannotOpen, SaveIndexFile((tree.Root() + "missing\\x.dat").c_str(), index));
}

TEST_F(IndexFileTest, AFileLargerThanOneReadIsSavedAndLoadedInPieces)
{
    // 600 bytes stand in for the largest single read or write: five records take five
    // pieces, and pieces end inside records.
    Fill({"One", "Two", "Three", "Four", "Five"});
    ASSERT_EQ(SaveResult::Saved, SaveIndexFile(DataFile().c_str(), index, 600));
    ASSERT_EQ(5 * sizeof(FolderRecord), ReadBytes(DataFile()).size());
    FolderIndex loaded;
    ASSERT_EQ(5, LoadIndexFile(DataFile().c_str(), loaded, 600));
    EXPECT_EQ(0, memcmp(index.Records(), loaded.Records(), 5 * sizeof(FolderRecord)));
}

// Every name that differs from the data file's in the last character belongs to the user
// here, so the save has nowhere to write beside it and writes the data file itself.
TEST_F(IndexFileTest, NamesBesideTheDataFileAreNeverOverwrittenAndWithoutAFreeOneTheFileIsWrittenInPlace)
{
    const std::string stem = DataFile().substr(0, DataFile().size() - 1);
    std::vector<std::string> taken;
    for (char last = '!'; last <= '~'; ++last) {
        // Upper-case letters name the same files as lower-case ones; 't' is the data file.
        if (last != 't' && (last < 'A' || last > 'Z') && !std::strchr("\\/:*?\"<>|.", last)) {
            taken.push_back(stem + last);
            WriteBytes(taken.back(), "mine");
        }
    }
    Fill({"Written"});
    ASSERT_EQ(SaveResult::Saved, SaveIndexFile(DataFile().c_str(), index));
    EXPECT_EQ(RecordBytes(8, "C:\\Data\\Written"), ReadBytes(DataFile()));
    EXPECT_EQ(static_cast<int>(taken.size()) + 1, FilesInTree());
    for (const std::string& name : taken) {
        EXPECT_EQ("mine", ReadBytes(name)) << name;
    }
}
