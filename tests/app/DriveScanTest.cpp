// "&Scan drives": which drives are walked, what is collected and in what order, what the
// user sees afterwards, and how the windows stay alive while it runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "ProgramTest.h"
#include "app/MainFrame.h"
#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "index/FolderCollector.h"
#include "index/MemoryGate.h"
#include "index/ReparsePoint.h"
#include "support/BoxAnswer.h"
#include "support/Input.h"
#include "support/ProbeWindow.h"
#include "support/RunningProgram.h"

namespace {

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

int CountStartingWith(const std::vector<std::string>& paths, const std::string& start)
{
    return static_cast<int>(std::count_if(paths.begin(), paths.end(),
                                          [&start](const std::string& path) { return StartsWith(path, start); }));
}

// Distinct own names as people give them: blanks, dots, digits, mixed case, other scripts.
std::string VariedName(int serial)
{
    static const char* const stems[] = {"Photos", "src",      "New folder", "Café",   "v1.2",
                                        "IMG_",   "Tax 2019", "résumés",    "BACKUP", "Ελλάδα"};
    return std::string(stems[serial % 10]) + " " + std::to_string(serial);
}

// The folders below folder as a plain recursive walk finds them, in its own order: down to
// the scan's depth, without dot folders, system folders and what lies below them, links
// recorded but not entered.
void PlainWalk(const std::string& folder, int level, std::vector<FolderRecord>& records)
{
    if (level >= FolderCollector::kDepthLimit) {
        return;
    }
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const DWORD attributes = entry.dwFileAttributes;
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || entry.cFileName[0] == '.' ||
            (attributes & FILE_ATTRIBUTE_SYSTEM)) {
            continue;
        }
        FolderRecord record;
        ZeroMemory(&record, sizeof record);
        record.nameOffset = static_cast<uint32_t>(folder.size());
        lstrcpynA(record.path, (folder + entry.cFileName).c_str(), kPathSize);
        records.push_back(record);
        if (!IsLink(attributes, entry.dwReserved0)) {
            PlainWalk(folder + entry.cFileName + "\\", level + 1, records);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

class DriveScanTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(Start());
    }
};

TEST_F(DriveScanTest, FixedDrivesDAndZAreScannedAndNoOtherDrive)
{
    d.Folder("on d");
    z.Folder("on z");
    // The CD drive R: and the network drive S: hold folders too; L: holds a link tree and
    // Wine's own C: is typed network in the test prefix.
    DriveTree cd('R');
    DriveTree network('S');
    cd.Folder("on r");
    network.Folder("on s");
    ASSERT_NE(GetFileAttributesA("R:\\on r"), INVALID_FILE_ATTRIBUTES);
    ASSERT_NE(GetFileAttributesA("S:\\on s"), INVALID_FILE_ATTRIBUTES);

    Scan();
    std::vector<std::string> paths = IndexPaths();
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{"D:\\on d", "Z:\\on z"}));
}

TEST_F(DriveScanTest, DriveWithoutFoldersAddsNothing)
{
    d.Folder("only");
    z.File("a file.txt");
    Scan();
    EXPECT_EQ(IndexPaths(), (std::vector<std::string>{"D:\\only"}));
}

TEST_F(DriveScanTest, ScanOfDrivesWithoutFoldersShowsATotalOfZero)
{
    Scan();
    EXPECT_EQ(folderCollector.Index().Count(), 0);
    EXPECT_EQ(StatusText(1), "\tTotal folders:  0");
    EXPECT_EQ(lstrlenA(workspace.ScanDate()), 18);
    EXPECT_EQ(workspace.Modified(), 1);
}

TEST_F(DriveScanTest, TotalInTheStatusLineIsTheNumberOfFolders)
{
    for (const char* folder : {"a", "a\\b", "a\\b\\c", "d", "e"}) {
        d.Folder(folder);
    }
    z.Folder("f\\g");
    Scan();
    EXPECT_EQ(folderCollector.Index().Count(), 7);
    EXPECT_EQ(StatusText(1), "\tTotal folders:  7");
}

TEST_F(DriveScanTest, RecordsAreSortedByTheirOwnNames)
{
    for (const char* folder : {"zebra\\apple", "Mango", "beta\\zulu\\kiwi", "apple", "delta"}) {
        d.Folder(folder);
    }
    z.Folder("cherry\\Banana");
    Scan();
    const FolderIndex& index = folderCollector.Index();
    ASSERT_EQ(index.Count(), 10);
    for (int i = 0; i < index.Count(); ++i) {
        const FolderRecord* record = index.At(i);
        EXPECT_EQ(std::string(record->path).rfind('\\') + 1, record->nameOffset) << record->path;
        if (i > 0) {
            EXPECT_LE(lstrcmpA(index.At(i - 1)->OwnName(), record->OwnName()), 0)
                << index.At(i - 1)->path << " before " << record->path;
        }
    }
}

TEST_F(DriveScanTest, RecordsAreThoseOfAPlainWalkSortedByOwnNameByteForByte)
{
    int serial = 0;
    for (int a = 0; a < 6; ++a) {
        const std::string top = VariedName(++serial);
        d.Folder(top);
        d.File(top + "\\notes " + std::to_string(a) + ".txt");
        for (int b = 0; b < 5; ++b) {
            const std::string middle = top + "\\" + VariedName(++serial);
            for (int c = 0; c < 3; ++c) {
                d.Folder(middle + "\\" + VariedName(++serial));
            }
        }
    }
    std::string chain;
    for (int level = 1; level <= 18; ++level) {
        chain += (level > 1 ? "\\" : "") + VariedName(++serial);
    }
    d.Folder(chain);
    d.Folder(".git\\objects");
    const std::string hidden = d.Folder("Hidden " + VariedName(++serial));
    d.Folder(hidden.substr(3) + "\\inside " + VariedName(++serial));
    ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY));
    d.Folder("System\\inside");
    ASSERT_TRUE(SetFileAttributesA("D:\\System", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY));
    const std::string onZ = VariedName(++serial);
    z.Folder(onZ + "\\" + VariedName(++serial));

    std::vector<FolderRecord> plain;
    PlainWalk("D:\\", 0, plain);
    PlainWalk("Z:\\", 0, plain);
    std::sort(plain.begin(), plain.end(),
              [](const FolderRecord& a, const FolderRecord& b) { return lstrcmpA(a.OwnName(), b.OwnName()) < 0; });
    for (size_t i = 1; i < plain.size(); ++i) {
        ASSERT_NE(lstrcmpA(plain[i - 1].OwnName(), plain[i].OwnName()), 0) << "the order must not depend on the sort";
    }

    Scan();
    const FolderIndex& index = folderCollector.Index();
    ASSERT_EQ(static_cast<size_t>(index.Count()), plain.size());
    EXPECT_EQ(plain.size(), 6u + 30u + 90u + 16u + 2u + 2u);
    for (int i = 0; i < index.Count(); ++i) {
        EXPECT_EQ(memcmp(index.At(i), &plain[static_cast<size_t>(i)], sizeof(FolderRecord)), 0)
            << i << ": " << index.At(i)->path << " against " << plain[static_cast<size_t>(i)].path;
    }
}

TEST_F(DriveScanTest, SystemAndDotFoldersAreLeftOutWithEverythingBelowThem)
{
    d.Folder("plain");
    d.Folder("system\\inside");
    d.Folder(".dotted\\inside");
    ASSERT_TRUE(SetFileAttributesA("D:\\system", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY));
    ASSERT_TRUE(GetFileAttributesA("D:\\system") & FILE_ATTRIBUTE_SYSTEM);
    Scan();
    EXPECT_EQ(IndexPaths(), (std::vector<std::string>{"D:\\plain"}));
}

TEST_F(DriveScanTest, ChainDeeperThanSixteenLevelsIsCollectedToLevelSixteen)
{
    std::string chain;
    for (int level = 1; level <= 18; ++level) {
        chain += (level > 1 ? "\\" : "") + std::string(level < 10 ? "L0" : "L") + std::to_string(level);
    }
    d.Folder(chain);
    Scan();
    const std::vector<std::string> paths = IndexPaths();
    EXPECT_EQ(paths.size(), 16u);
    EXPECT_EQ(
        CountStartingWith(paths, "D:\\L01\\L02\\L03\\L04\\L05\\L06\\L07\\L08\\L09\\L10\\L11\\L12\\L13\\L14\\L15\\L16"),
        1);
}

TEST_F(DriveScanTest, FinishedScanShowsTheListEnablesSaveAndReturnsToTheSearchBox)
{
    d.Folder("one");
    d.Folder("two");
    SetFocus(workspace.FolderList());
    Scan();
    EXPECT_EQ(ListCount(), folderCollector.Index().Count());
    EXPECT_EQ(ListCount(), 2);
    EXPECT_TRUE(ButtonEnabled(IDM_SAVE));
    EXPECT_EQ(workspace.Modified(), 1);
    EXPECT_EQ(GetFocus(), workspace.SearchEdit());
    EXPECT_EQ(lstrlenA(workspace.ScanDate()), 18);
    EXPECT_EQ(StatusText(0), std::string("Last scanned: ") + workspace.ScanDate());
}

TEST_F(DriveScanTest, FoldersNamedInAnyScriptAreCollectedFoundByTheStartOfTheirNamesAndOpened)
{
    for (const char* folder : {"Ελληνικά", "Москва\\Кремль", "一覧表\\資料", "plain"}) {
        d.Folder(folder);
    }
    z.Folder("😀 Faces");
    Scan();
    std::vector<std::string> paths = IndexPaths();
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{"D:\\plain", "D:\\Ελληνικά", "D:\\Москва", "D:\\Москва\\Кремль",
                                               "D:\\一覧表", "D:\\一覧表\\資料", "Z:\\😀 Faces"}));

    // Typed as a keyboard or an input method gives the characters, in capitals where the
    // script has them: the box shows them in lower case and the search ignores case.
    struct Typing {
        const char* text;
        const char* found;
    };
    for (const Typing& typing : {Typing{"ΕΛΛ", "D:\\Ελληνικά"}, Typing{"МОС", "D:\\Москва"},
                                 Typing{"一覧", "D:\\一覧表"}, Typing{"😀", "Z:\\😀 Faces"}}) {
        SendMessageA(workspace.SearchEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        input::TypeText(typing.text);
        EXPECT_TRUE(PumpProgramUntil([&] {
            const int row = Selection();
            return row >= 0 && folderCollector.Index().At(row)->path == std::string(typing.found);
        })) << typing.text
            << " selected row " << Selection();
    }
    EXPECT_EQ(beeps, 0);
    Command(IDM_VIEW_FILES);
    EXPECT_EQ(opened, (std::vector<std::string>{"Z:\\😀 Faces"}));
}

// A probe posted before the scan runs at the first folder the scan collects, on D: (C: is
// passed over).
class ScanPumpTest : public DriveScanTest {
protected:
    void MakeFolders()
    {
        for (const char* folder : {"a", "b", "c", "d\\e"}) {
            d.Folder(folder);
        }
        z.Folder("far");
    }
    ProbeWindow probe;
};

TEST_F(ScanPumpTest, PostedMessageIsDispatchedBetweenTwoFolders)
{
    MakeFolders();
    int countSeen = -1;
    int scanningSeen = -1;
    probe.Post([&] {
        countSeen = folderCollector.Index().Count();
        scanningSeen = workspace.Scanning();
    });
    Scan();
    EXPECT_EQ(probe.Runs(), 1);
    EXPECT_GT(countSeen, 0);
    EXPECT_LT(countSeen, 6);
    EXPECT_EQ(scanningSeen, 1);
    EXPECT_EQ(folderCollector.Index().Count(), 6);
}

TEST_F(ScanPumpTest, QuitStopsTheWalkAtTheNextFolderAndSkipsTheRemainingDrives)
{
    MakeFolders();
    std::string listed;
    probe.Post([&] {
        listed = StatusText(0);
        PostQuitMessage(0);
    });
    Scan();
    EXPECT_EQ(listed, "D:\\");
    const std::vector<std::string> paths = IndexPaths();
    EXPECT_EQ(paths.size(), 1u);
    EXPECT_EQ(CountStartingWith(paths, "Z:"), 0);
    EXPECT_EQ(ListCount(), 1);

    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(ScanPumpTest, ScanDrivesDuringAScanDoesNothing)
{
    MakeFolders();
    int countBefore = -1;
    int countAfter = -1;
    probe.Post([&] {
        countBefore = folderCollector.Index().Count();
        Command(IDM_SCAN_DRIVES);
        countAfter = folderCollector.Index().Count();
    });
    Scan();
    EXPECT_EQ(countAfter, countBefore);
    EXPECT_EQ(folderCollector.Index().Count(), 6);
    EXPECT_EQ(ListCount(), 6);
}

// The index is modified and its data file known, so a save would write without asking.
class ScanOverModifiedIndexTest : public ScanPumpTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        MakeFolders();
        ASSERT_TRUE(StartWithDataFile(dataFile, {"D:\\old"}));
        Scan();
        ASSERT_EQ(workspace.Modified(), 1);
    }
    const std::string dataFile = "D:\\folders.dat";
};

TEST_F(ScanOverModifiedIndexTest, SaveDuringAScanWritesNothing)
{
    std::vector<std::string> savedDuring;
    probe.Post([&] {
        Command(IDM_SAVE);
        savedDuring = DataFilePaths(dataFile);
    });
    Scan();
    EXPECT_EQ(savedDuring, (std::vector<std::string>{"D:\\old"}));
    EXPECT_EQ(DataFilePaths(dataFile), (std::vector<std::string>{"D:\\old"}));
    EXPECT_EQ(folderCollector.Index().Count(), 6);
    EXPECT_EQ(workspace.Modified(), 1);
    EXPECT_TRUE(ButtonEnabled(IDM_SAVE));
}

TEST_F(ScanOverModifiedIndexTest, ClosingDuringAScanAsksNothingAndWritesNothing)
{
    BoxAnswer question(IDCANCEL, 400);
    probe.Post([] { PostMessageA(mainFrame.Handle(), WM_CLOSE, 0, 0); });
    Scan();
    EXPECT_FALSE(IsWindow(mainFrame.Handle()));
    EXPECT_FALSE(question.Appeared());
    EXPECT_EQ(DataFilePaths(dataFile), (std::vector<std::string>{"D:\\old"}));
    EXPECT_EQ(folderCollector.Index().Count(), 1) << "the walk ends at the folder whose pump closed the window";

    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Memory cannot be made to run out for real on demand: while this lives, the index and the
// walker are refused the next blocks they ask for (every one, unless a number is given).
int refusedBlocks = 0;
class MemoryRefused {
public:
    explicit MemoryRefused(int blocks = INT_MAX) : previous_(MayTakeMemory)
    {
        refusedBlocks = blocks;
        MayTakeMemory = [](SIZE_T) { return refusedBlocks-- <= 0; };
    }
    ~MemoryRefused() { MayTakeMemory = previous_; }

private:
    const MemoryGateFunction previous_;
};

class ScanOutOfMemoryTest : public ProgramTest {};

// The loaded index holds fewer records than a scan starts with, so the scan has to make a
// new record array and cannot. (The tests share one program's objects: the array an earlier
// test left is dropped first, as a program starts without one.)
TEST_F(ScanOutOfMemoryTest, IndexThatCannotBeMadeLeavesNothingToSaveOverTheDataFile)
{
    {
        MemoryRefused refused;
        ASSERT_FALSE(folderCollector.Index().Reset(INT_MAX));
    }
    d.Folder("music");
    ASSERT_TRUE(StartWithDataFile("D:\\folders.dat", {"D:\\music"}));
    {
        MemoryRefused refused;
        BoxAnswer warning(IDOK);
        Scan();
        EXPECT_EQ(warning.Text(), "Out of memory");
    }
    EXPECT_EQ(ListCount(), 0);
    EXPECT_EQ(workspace.Modified(), 0);
    EXPECT_FALSE(ButtonEnabled(IDM_SAVE));
    Command(IDM_SAVE);
    EXPECT_EQ(DataFilePaths("D:\\folders.dat"), (std::vector<std::string>{"D:\\music"}));
}

// The first scan gave the index its room; in the second the walker cannot hold the first
// subfolder it lists on D:, though memory would be there again for Z:.
TEST_F(ScanOutOfMemoryTest, FolderWhoseSubfoldersCannotBeHeldIsReportedAndEndsTheScan)
{
    d.Folder("music\\jazz");
    z.Folder("photos");
    ASSERT_TRUE(Start());
    Scan();
    ASSERT_EQ(folderCollector.Index().Count(), 3);
    MemoryRefused refused(1);
    BoxAnswer warning(IDOK);
    Scan();
    EXPECT_EQ(warning.Caption(), "Vantorelle");
    EXPECT_EQ(warning.Text(), "Out of memory");
    EXPECT_EQ(CountStartingWith(IndexPaths(), "Z:"), 0);
}

}  // namespace
