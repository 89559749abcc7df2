// The folder list as a document: saved through the save dialog or under its known name,
// and brought back at the next start.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "ProgramTest.h"
#include "app/MainFrame.h"
#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "index/FolderCollector.h"
#include "support/BoxAnswer.h"
#include "support/DialogAnswerer.h"
#include "support/RunInsideModalLoop.h"
#include "support/RunningProgram.h"

namespace {

// The names of the entries of a folder, without "." and "..", sorted.
std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (lstrcmpA(entry.cFileName, ".") != 0 && lstrcmpA(entry.cFileName, "..") != 0) {
            names.push_back(entry.cFileName);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string FileBytes(const std::string& file)
{
    std::string bytes(static_cast<size_t>(FileSize(file)), '\0');
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD read = 0;
    ReadFile(handle, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(handle);
    return bytes;
}

bool SameTime(const FILETIME& a, const FILETIME& b)
{
    return CompareFileTime(&a, &b) == 0;
}

// For a test that expects no message box: one that comes all the same fails the test and
// is closed, instead of holding the test run.
class NoBoxExpected {
public:
    NoBoxExpected() { GuardAgainstOpenWindow("#32770"); }
    ~NoBoxExpected() { CancelAllModalActions(); }
    NoBoxExpected(const NoBoxExpected&) = delete;
    NoBoxExpected& operator=(const NoBoxExpected&) = delete;
};

// A scanned, unsaved index of three folders on D: and one on Z:.
class SaveTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        d.Folder("lists");
        d.Folder("music\\jazz");
        z.Folder("photos");
        ASSERT_TRUE(Start());
        Scan();
        ASSERT_EQ(folderCollector.Index().Count(), 4);
    }

    const std::string dataFile = "D:\\lists\\folders.dat";
};

TEST_F(SaveTest, FirstSaveAsksForANameProposingVantorelleDat)
{
    EXPECT_EQ(SaveThroughDialog(SaveAs(dataFile)), "Vantorelle.dat");
    EXPECT_STREQ(workspace.DataFileName(), dataFile.c_str());
    EXPECT_EQ(workspace.Modified(), 0);
    EXPECT_FALSE(ButtonEnabled(IDM_SAVE));
}

TEST_F(SaveTest, SavedFileIsTheRecordsByteForByte)
{
    SaveThroughDialog(SaveAs(dataFile));
    const FolderIndex& index = folderCollector.Index();
    const std::string bytes = FileBytes(dataFile);
    ASSERT_EQ(bytes.size(), 4 * sizeof(FolderRecord));
    EXPECT_EQ(std::memcmp(bytes.data(), index.Records(), bytes.size()), 0);
    // Written beside the data file first, the temporary file is gone once it replaced it.
    EXPECT_EQ(FolderEntries("D:\\lists"), (std::vector<std::string>{"folders.dat"}));
}

// The dialog asks before overwriting the name typed; a name that the forced ".dat" turns
// into an existing file's is asked about by the program, and No is a cancel.
TEST_F(SaveTest, NameThatTheExtensionTurnsIntoAnExistingFileIsReplacedOnlyOnYes)
{
    WriteDataFile(dataFile, {"D:\\kept"});
    std::string question;
    SaveThroughDialog(InTurn(SaveAs("D:\\lists\\folders.txt"), AnswerBox(IDNO, &question)));
    EXPECT_NE(question.find(dataFile), std::string::npos) << question;
    EXPECT_EQ(DataFilePaths(dataFile), (std::vector<std::string>{"D:\\kept"}));
    EXPECT_STREQ(workspace.DataFileName(), "");
    EXPECT_EQ(workspace.Modified(), 1);

    SaveThroughDialog(InTurn(SaveAs("D:\\lists\\folders.txt"), AnswerBox(IDYES, &question)));
    EXPECT_EQ(DataFilePaths(dataFile).size(), 4u);
    EXPECT_EQ(workspace.Modified(), 0);
}

TEST_F(SaveTest, SaveRemembersTheFileAndTheScanDate)
{
    SaveThroughDialog(SaveAs(dataFile));
    std::string file;
    std::string date;
    ASSERT_TRUE(ReadProgramSetting("Data file", &file));
    ASSERT_TRUE(ReadProgramSetting("Scan date", &date));
    EXPECT_EQ(file, dataFile);
    EXPECT_EQ(date, workspace.ScanDate());
    EXPECT_EQ(date.size(), 18u);
}

TEST_F(SaveTest, SavingTwiceWritesOnce)
{
    SaveThroughDialog(SaveAs(dataFile));
    const FILETIME first = LastWriteTime(dataFile);
    Sleep(20);
    Command(IDM_SAVE);
    EXPECT_TRUE(SameTime(LastWriteTime(dataFile), first));
}

TEST_F(SaveTest, KnownNameIsOverwrittenWithoutADialog)
{
    SaveThroughDialog(SaveAs(dataFile));
    d.Folder("more");
    Scan();
    BoxAnswer unexpected(IDCANCEL, 400);
    Command(IDM_SAVE);
    EXPECT_FALSE(unexpected.Appeared());
    EXPECT_EQ(DataFilePaths(dataFile).size(), 5u);
    EXPECT_EQ(workspace.Modified(), 0);
}

TEST_F(SaveTest, CancelledDialogForgetsTheNameAndTheNextSaveProposesVantorelleDatAgain)
{
    EXPECT_EQ(SaveThroughDialog(CancelDialog()), "Vantorelle.dat");
    EXPECT_STREQ(workspace.DataFileName(), "");
    EXPECT_EQ(workspace.Modified(), 1);
    EXPECT_TRUE(ButtonEnabled(IDM_SAVE));
    EXPECT_EQ(SaveThroughDialog(CancelDialog()), "Vantorelle.dat");
    EXPECT_EQ(FileSize("D:\\Vantorelle.dat"), -1);
}

TEST_F(SaveTest, NextStartBringsTheSavedListBackWithoutAScan)
{
    SaveThroughDialog(SaveAs(dataFile));
    const std::vector<std::string> saved = IndexPaths();
    const std::string date = workspace.ScanDate();
    Command(IDM_EXIT);
    ASSERT_FALSE(IsWindow(mainFrame.Handle()));
    StopTestProgram();

    ASSERT_TRUE(Start());
    EXPECT_EQ(IndexPaths(), saved);
    EXPECT_EQ(ListCount(), 4);
    EXPECT_STREQ(workspace.DataFileName(), dataFile.c_str());
    EXPECT_EQ(StatusText(0), "Last scanned: " + date);
    EXPECT_EQ(StatusText(1), "\tTotal folders:  4");
    EXPECT_EQ(workspace.Modified(), 0);
    EXPECT_FALSE(ButtonEnabled(IDM_SAVE));
    EXPECT_EQ(GetFocus(), workspace.SearchEdit());
}

// Data files met at the start and saves that fail.
class DataFileTest : public ProgramTest {};

// The data file's name is known from the start, and its folder is gone before the save.
TEST_F(DataFileTest, FileThatCannotBeCreatedIsReportedAndTheIndexStaysModified)
{
    d.Folder("lists");
    d.Folder("music");
    ASSERT_TRUE(StartWithDataFile("D:\\lists\\folders.dat", {"D:\\music"}));
    d.Empty();
    ASSERT_EQ(GetFileAttributesA("D:\\lists"), INVALID_FILE_ATTRIBUTES);
    d.Folder("music");
    Scan();

    BoxAnswer warning(IDOK);
    Command(IDM_SAVE);
    EXPECT_EQ(warning.Caption(), "Vantorelle");
    EXPECT_EQ(warning.Text(), "Unable to open file");
    EXPECT_EQ(workspace.Modified(), 1);
    EXPECT_TRUE(ButtonEnabled(IDM_SAVE));
    EXPECT_STREQ(workspace.DataFileName(), "D:\\lists\\folders.dat");
}

// The data file is written beside its place first and put in place only when whole; here
// another program holds it open, so it cannot be replaced.
TEST_F(DataFileTest, SaveThatCannotReplaceTheDataFileLeavesItAsItWas)
{
    d.Folder("music");
    d.Folder("films");
    ASSERT_TRUE(StartWithDataFile("D:\\folders.dat", {"D:\\music"}));
    Scan();

    HANDLE reader = CreateFileA("D:\\folders.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    BoxAnswer warning(IDOK);
    Command(IDM_SAVE);
    CloseHandle(reader);
    EXPECT_EQ(warning.Text(), "Unable to open file");
    EXPECT_EQ(DataFilePaths("D:\\folders.dat"), (std::vector<std::string>{"D:\\music"}));
    EXPECT_EQ(FolderEntries("D:"), (std::vector<std::string>{"films", "folders.dat", "music"}));
    EXPECT_EQ(workspace.Modified(), 1);
    EXPECT_TRUE(ButtonEnabled(IDM_SAVE));
}

// Virus scanners and indexers open a freshly written file for a moment, which blocks its
// replacement; this one lets go soon after the save has begun.
TEST_F(DataFileTest, ReplaceBlockedForAMomentIsTriedAgainAndSucceeds)
{
    d.Folder("music");
    d.Folder("films");
    ASSERT_TRUE(StartWithDataFile("D:\\folders.dat", {"D:\\music"}));
    Scan();

    HANDLE scanner = CreateFileA("D:\\folders.dat", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(scanner, INVALID_HANDLE_VALUE);
    std::thread release([scanner] {
        Sleep(150);
        CloseHandle(scanner);
    });
    {
        NoBoxExpected noWarning;
        Command(IDM_SAVE);
    }
    release.join();
    EXPECT_EQ(DataFilePaths("D:\\folders.dat"), (std::vector<std::string>{"D:\\films", "D:\\music"}));
    EXPECT_EQ(FolderEntries("D:"), (std::vector<std::string>{"films", "folders.dat", "music"}));
    EXPECT_EQ(workspace.Modified(), 0);
}

TEST_F(DataFileTest, DataFileThatAnotherProgramIsReadingLoads)
{
    d.Folder("music");
    WriteDataFile("D:\\folders.dat", {"D:\\music"});
    WriteProgramSetting("Data file", "D:\\folders.dat");
    HANDLE reader = CreateFileA("D:\\folders.dat", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(Start());
    CloseHandle(reader);
    EXPECT_EQ(IndexPaths(), (std::vector<std::string>{"D:\\music"}));
}

TEST_F(DataFileTest, DataFileOfNoRecordsLoadsNothingAndItsNameIsForgotten)
{
    ASSERT_TRUE(StartWithDataFile("D:\\empty.dat", {}));
    EXPECT_EQ(FileSize("D:\\empty.dat"), 0);
    EXPECT_EQ(ListCount(), 0);
    EXPECT_STREQ(workspace.DataFileName(), "");
}

TEST_F(DataFileTest, UnsoundRecordsOfTheDataFileAreDropped)
{
    WriteDataFile("D:\\folders.dat", {"D:\\one", "no drive", "D:\\two"});
    // A name offset far outside its record.
    HANDLE file = CreateFileA("D:\\folders.dat", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const uint32_t wild = 0x7FFFFFF0;
    DWORD written = 0;
    SetFilePointer(file, 2 * sizeof(FolderRecord), nullptr, FILE_BEGIN);
    WriteFile(file, &wild, sizeof wild, &written, nullptr);
    CloseHandle(file);
    WriteProgramSetting("Data file", "D:\\folders.dat");

    ASSERT_TRUE(Start());
    EXPECT_EQ(IndexPaths(), (std::vector<std::string>{"D:\\one"}));
    EXPECT_EQ(ListCount(), 1);
}

}  // namespace
