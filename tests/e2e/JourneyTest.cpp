// A user's whole journey with the real program: started as a process of its own in the test
// prefix, driven by real keyboard and mouse input, and watched from outside through its
// windows, its data file, its registry values and screenshots.
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "support/DialogAnswerer.h"
#include "support/DriveTree.h"
#include "support/ExternalProgram.h"
#include "support/Input.h"
#include "support/TempTree.h"

namespace {

const char kProgram[] = "C:\\Vantorelle\\Vantorelle.exe";
const char kSettingsKey[] = "Software\\Zelcor Freeware\\Vantorelle\\Settings";
// On D:'s root: a file, so the folder count of a later scan stays the same.
const char kDataFile[] = "D:\\Vantorelle.dat";
const char kScreenshots[] = "B:\\";  // the build folder's e2e-screenshots
// A folder named in another script: the program speaks UTF-8, and so does this test.
const char kGreekFolder[] = "D:\\Ελληνικά";
constexpr COLORREF kNoticeGrey = RGB(192, 192, 192);
constexpr size_t kRecordSize = 264;
constexpr DWORD kWindowTimeoutMs = 15000;

// ---------------------------------------------------------------------------------------
// The drives the program will scan.

struct Record {
    uint32_t nameOffset;
    std::string path;
    std::string OwnName() const { return path.substr(nameOffset); }
};

std::string OwnNameOf(const std::string& path)
{
    return path.substr(path.rfind('\\') + 1);
}

// Folders made on the drives, and the paths a scan must collect from them.
class DriveFolders {
public:
    // Makes the folder and its parents; collected tells whether a scan must list it.
    void Make(const std::string& path, bool collected = true)
    {
        for (size_t end = path.find('\\', 3);; end = path.find('\\', end + 1)) {
            CreateDirectoryA(path.substr(0, end).c_str(), nullptr);
            if (end == std::string::npos) {
                break;
            }
        }
        if (collected) {
            collected_.push_back(path);
        }
    }
    const std::vector<std::string>& Collected() const { return collected_; }

private:
    std::vector<std::string> collected_;
};

// About 1500 folders on D: with the names that matter (blanks, '&', dots, mixed case, one in
// Greek), a hidden dot folder, a system folder and a chain deeper than the scan goes;
// folders on the CD drive R:. Z: stays empty. So many that D:'s walk takes about half a second under
// Wine: long enough to see its notice on the screen.
std::vector<std::string> MakeDrives()
{
    DriveFolders drives;
    for (const char* name : {"Tom & Jerry", "Tom & Jerry\\Season 1", "Tom & Jerry\\Season 2", "v1.2", "v1.10",
                             "release.notes", "MiXeD CaSe", "lower case", "UPPER CASE", "Photos 2024"}) {
        drives.Make(std::string("D:\\") + name);
    }
    char name[64];
    for (int month = 1; month <= 12; ++month) {
        wsprintfA(name, "D:\\Photos 2024\\2024-%02d", month);
        drives.Make(name);
    }
    for (int artist = 1; artist <= 350; ++artist) {
        wsprintfA(name, "D:\\Music Library\\Artist %03d", artist);
        drives.Make(name);
        drives.Make(std::string(name) + "\\Album A");
        drives.Make(std::string(name) + "\\Album B");
    }
    drives.Make("D:\\Music Library");
    for (int project = 1; project <= 120; ++project) {
        wsprintfA(name, "D:\\Projects\\Project %02d", project);
        drives.Make(name);
        drives.Make(std::string(name) + "\\src");
        drives.Make(std::string(name) + "\\docs");
    }
    drives.Make("D:\\Projects");
    drives.Make(kGreekFolder);
    // Levels 1 to 16 below the root are collected, deeper ones never seen.
    std::string chain = "D:\\Deep";
    for (int level = 1; level <= 20; ++level) {
        if (level > 1) {
            wsprintfA(name, "\\Level %02d", level);
            chain += name;
        }
        drives.Make(chain, level <= 16);
    }
    drives.Make("D:\\.hidden-dot\\inside\\deeper", false);
    drives.Make("D:\\System Stuff\\kept out\\further", false);
    SetFileAttributesA("D:\\System Stuff", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY);
    drives.Make("R:\\On The CD\\Inside", false);
    return drives.Collected();
}

// The collected paths in the program's order: by own name with lstrcmpA.
std::vector<std::string> InScanOrder(std::vector<std::string> paths)
{
    std::stable_sort(paths.begin(), paths.end(), [](const std::string& a, const std::string& b) {
        return lstrcmpA(OwnNameOf(a).c_str(), OwnNameOf(b).c_str()) < 0;
    });
    return paths;
}

// The index of the first own name that starts with text, ignoring case, as the program's
// search decides it; -1 when none does.
int FirstMatch(const std::vector<std::string>& ownNames, const std::string& text)
{
    for (size_t i = 0; i < ownNames.size(); ++i) {
        if (lstrcmpiA(ownNames[i].substr(0, text.size()).c_str(), text.c_str()) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// ---------------------------------------------------------------------------------------
// The data file and the registry, read as they are.

std::string FileBytes(const std::string& file)
{
    std::string bytes;
    HANDLE in = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (in == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    bytes.resize(GetFileSize(in, nullptr));
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(in, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        bytes.clear();
    }
    CloseHandle(in);
    return bytes;
}

std::vector<Record> RecordsOf(const std::string& bytes)
{
    std::vector<Record> records;
    for (size_t at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize) {
        Record record;
        std::memcpy(&record.nameOffset, bytes.data() + at, 4);
        const char* path = bytes.data() + at + 4;
        record.path.assign(path, strnlen(path, kRecordSize - 4));
        records.push_back(record);
    }
    return records;
}

bool ReadSetting(const char* name, std::string* value)
{
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    return RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY, nullptr, data, &size) == ERROR_SUCCESS &&
           (value->assign(data, size), true);
}

// ---------------------------------------------------------------------------------------
// The program's main window as seen from outside.

class MainWindowView {
public:
    explicit MainWindowView(HWND frame) : frame_(frame)
    {
        bar_ = ChildOfClass(frame, "BtnBarClass");
        workspace_ = ChildOfClass(frame, "WorkSpaceClass");
        status_ = ChildOfClass(frame, "msctls_statusbar32");
        list_ = ChildOfClass(workspace_, "LISTBOX");
        edit_ = ChildOfClass(workspace_, "edit");
    }
    bool Complete() const { return bar_ && workspace_ && status_ && list_ && edit_; }

    HWND Frame() const { return frame_; }
    HWND List() const { return list_; }
    HWND Edit() const { return edit_; }
    HWND Button(const char* text) const { return FindButton(bar_, text); }
    bool ButtonEnabled(const char* text) const { return IsWindowEnabled(Button(text)) != 0; }

    int Count() const { return static_cast<int>(Send(list_, LB_GETCOUNT)); }
    int Selection() const { return static_cast<int>(Send(list_, LB_GETCURSEL)); }
    int TopIndex() const { return static_cast<int>(Send(list_, LB_GETTOPINDEX)); }
    int ItemHeight() const { return static_cast<int>(Send(list_, LB_GETITEMHEIGHT)); }
    int VisibleRows() const
    {
        RECT client = {};
        GetClientRect(list_, &client);
        return ItemHeight() > 0 ? client.bottom / ItemHeight() : 0;
    }
    std::string SearchText() const { return WindowText(edit_); }
    // Part 0 comes through WM_GETTEXT; part 1 only through a buffer in the program.
    std::string ScanDateText() const { return WindowText(status_); }
    std::string TotalText() const { return TextThroughRemoteBuffer(status_, SB_GETTEXTA, 1); }
    int TotalTextLength() const { return LOWORD(Send(status_, SB_GETTEXTLENGTHA, 1)); }

    RECT Rect() const
    {
        RECT rect = {};
        GetWindowRect(frame_, &rect);
        return rect;
    }
    // The middle of a row of the list on the screen; the row must be in view.
    POINT RowPoint(int row) const
    {
        RECT client = {};
        GetClientRect(list_, &client);
        POINT point = {client.right / 3, (row - TopIndex()) * ItemHeight() + ItemHeight() / 2};
        ClientToScreen(list_, &point);
        return point;
    }
    // The window with the keyboard focus in the program's thread.
    HWND Focus() const
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(frame_, nullptr), &info);
        return info.hwndFocus;
    }

private:
    static LRESULT Send(HWND window, UINT message, WPARAM wParam = 0)
    {
        DWORD_PTR result = static_cast<DWORD_PTR>(-1);
        SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &result);
        return static_cast<LRESULT>(result);
    }

    HWND frame_;
    HWND bar_ = nullptr;
    HWND workspace_ = nullptr;
    HWND status_ = nullptr;
    HWND list_ = nullptr;
    HWND edit_ = nullptr;
};

std::string Shot(const char* name)
{
    return std::string(kScreenshots) + name + ".bmp";
}

// The point of a window that answers a hit test with the given code, searched along its
// caption from the right; Wine draws the frame itself, so only it knows where the box is.
POINT CaptionPoint(HWND window, LRESULT hitCode)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    for (int y = rect.top + 2; y < rect.top + 40; y += 2) {
        for (int x = rect.right - 2; x > rect.right - 120; x -= 2) {
            DWORD_PTR hit = 0;
            SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000, &hit);
            if (static_cast<LRESULT>(hit) == hitCode) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

POINT Centre(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != 0;
}

std::string Describe(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + " - " + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// ---------------------------------------------------------------------------------------

class JourneyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        for (char drive : {'D', 'R', 'Z'}) {
            EmptyDrive(drive);
        }
        expected_ = InScanOrder(MakeDrives());
        ASSERT_TRUE(GetFileAttributesA("D:\\System Stuff") & FILE_ATTRIBUTE_SYSTEM);
        ASSERT_NE(GetFileAttributesA("R:\\On The CD\\Inside"), INVALID_FILE_ATTRIBUTES);
        ASSERT_EQ(GetDriveTypeA("R:\\"), static_cast<UINT>(DRIVE_CDROM));
        for (const std::string& path : expected_) {
            ownNames_.push_back(OwnNameOf(path));
        }
    }
    void TearDown() override
    {
        program_.reset();
        for (char drive : {'D', 'R', 'Z'}) {
            EmptyDrive(drive);
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    }

    // Starts the program and waits for its main window with all its parts.
    void Start()
    {
        program_.reset();
        program_ = std::make_unique<ExternalProgram>(kProgram);
        ASSERT_TRUE(program_->Started()) << "cannot start " << kProgram;
        HWND frame = program_->WaitForWindow("MainClass", "Vantorelle", kWindowTimeoutMs);
        ASSERT_NE(frame, nullptr) << "no main window";
        main_ = std::make_unique<MainWindowView>(frame);
        ASSERT_TRUE(main_->Complete());
        // The keyboard input goes to the foreground window; a new program's window takes
        // the foreground when it is shown.
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == frame; }, kWindowTimeoutMs));
    }
    void ExpectExitWithin(DWORD timeoutMs)
    {
        DWORD code = 1;
        ASSERT_TRUE(program_->WaitForExit(timeoutMs, &code)) << "the program did not end";
        EXPECT_EQ(code, 0u);
    }
    // Alt+S, then waits for the end of the scan: the list shows the new count, Save is
    // enabled and the notice is gone.
    void ScanAndWait()
    {
        input::PressWith(VK_MENU, 'S');
        ASSERT_TRUE(WaitUntil(
            [&] { return main_->Count() == static_cast<int>(expected_.size()) && main_->ButtonEnabled("Save"); },
            60000))
            << "count " << main_->Count();
        ASSERT_TRUE(WaitUntil([&] { return !program_->Window("WKWND"); }, kWindowTimeoutMs));
    }

    // A picture of the screen once the program has drawn what it was last asked to.
    void Shoot(const char* name, const RECT* area = nullptr)
    {
        program_->WaitForIdle(5000);
        Sleep(kScreenCatchUpMs);
        EXPECT_TRUE(SaveScreenshot(Shot(name), area)) << name;
    }

    void FirstStartShowsAnEmptyList();
    void ScanFillsTheList();
    void TypingSelectsTheFirstMatch();
    void ClickSelectsAndDoubleClickOpens();
    void DoubleClickOpensInTheShell(int row, const char* shot);
    void AGreekNameIsFoundShownAndOpened();
    void SaveWritesTheDataFile();
    void PlacementAndListComeBack();
    void ClosingAScannedListAsksToSave();
    void AboutBoxShowsAndCloses();

    std::vector<std::string> expected_;  // in the program's order
    std::vector<std::string> ownNames_;
    std::unique_ptr<ExternalProgram> program_;
    std::unique_ptr<MainWindowView> main_;
    std::map<std::string, int> searched_;  // text typed -> row selected
    std::string savedBytes_;
    std::string savedDate_;
    RECT leftAt_ = {};
};

void JourneyTest::FirstStartShowsAnEmptyList()
{
    ASSERT_NO_FATAL_FAILURE(Start());
    Shoot("01-first-start");
    EXPECT_EQ(main_->Count(), 0);
    EXPECT_EQ(main_->ScanDateText(), "Last scanned: ");
    EXPECT_EQ(main_->TotalText(), "\tTotal folders:  0");
    EXPECT_EQ(main_->TotalTextLength(), lstrlenA("\tTotal folders:  0"));
    EXPECT_TRUE(main_->ButtonEnabled("Scan drives"));
    EXPECT_FALSE(main_->ButtonEnabled("Save"));
    EXPECT_FALSE(main_->ButtonEnabled("View files"));
    EXPECT_TRUE(main_->ButtonEnabled("About"));
    EXPECT_TRUE(main_->ButtonEnabled("Exit"));
}

void JourneyTest::ScanFillsTheList()
{
    // The notice lives only as long as D:'s walk, so a thread of its own watches for it.
    // Its text is painted, not a window title: the width the program gives it, 12 average
    // characters more than its text, tells "Scanning drive x:" from "Sorting...". D: is
    // the first fixed drive walked (C: is typed network here), so the first such notice is
    // D:'s; while it is up the status line shows the folders being listed on D:.
    TEXTMETRICA metrics = {};
    HDC display = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    GetTextMetricsA(display, &metrics);
    DeleteDC(display);
    const int scanningWidth = (lstrlenA("Scanning drive D:") + 12) * metrics.tmAveCharWidth;
    std::atomic<bool> scanning{true};
    bool seen = false;
    bool shot = false;
    std::string listing;
    std::thread watcher([&] {
        while (scanning && !seen) {
            HWND notice = program_->Window("WKWND");
            RECT rect = {};
            if (notice && GetWindowRect(notice, &rect) && rect.right - rect.left == scanningWidth) {
                seen = true;
                POINT plate = {2, 2};  // inside the light grey plate, outside the sunken frame
                ClientToScreen(notice, &plate);
                WaitUntil([&] { return ScreenPixel(plate) == kNoticeGrey || !IsWindow(notice); }, 2000, 5);
                listing = main_->ScanDateText();
                shot = ScreenPixel(plate) == kNoticeGrey && SaveScreenshot(Shot("02-scanning-drive-d")) &&
                       IsWindow(notice);
            }
            Sleep(1);
        }
    });
    ScanAndWait();
    scanning = false;
    watcher.join();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(seen) << "the notice of D:'s walk did not appear";
    EXPECT_TRUE(shot) << "the notice of D:'s walk was not on the screen long enough for a picture";
    EXPECT_EQ(listing.compare(0, 3, "D:\\"), 0) << listing;

    Shoot("03-scanned");
    EXPECT_EQ(main_->Count(), static_cast<int>(expected_.size()));
    const std::string date = main_->ScanDateText();
    EXPECT_EQ(date.size(), lstrlenA("Last scanned: ") + 18u) << date;
    EXPECT_EQ(date.compare(0, 14, "Last scanned: "), 0) << date;
    savedDate_ = date.substr(14);
    EXPECT_EQ(main_->TotalText(), "\tTotal folders:  " + std::to_string(expected_.size()));
    EXPECT_TRUE(main_->ButtonEnabled("Save"));
    EXPECT_FALSE(main_->ButtonEnabled("View files"));
    EXPECT_EQ(main_->Focus(), main_->Edit());
}

void JourneyTest::TypingSelectsTheFirstMatch()
{
    struct Typing {
        const char* keys;
        const char* text;    // what the box then holds: typed letters become lower case
        const char* search;  // the text searched; null: a miss, the selection stays
    };
    // clang-format off
    const Typing typings[] = {
        {"Tom", "tom", "tom"},
        {"\b\b\b", "", nullptr},  // emptied: the last Backspace finds nothing
        {"v1.", "v1.", "v1."},
        {"2", "v1.2", "v1.2"},
        {"x", "v1.2x", nullptr},
        {"\b\b\b\b\bMiX", "mix", "mix"},
    };
    // clang-format on
    int selection = -1;
    for (const Typing& typing : typings) {
        SCOPED_TRACE(std::string("typed \"") + typing.keys + "\"");
        for (const char* key = typing.keys; *key; ++key) {
            if (*key == '\b') {
                input::PressKey(VK_BACK);
            } else {
                input::TypeText(std::string(1, *key));
            }
        }
        const int expected = typing.search ? FirstMatch(ownNames_, typing.search) : selection;
        ASSERT_TRUE(
            WaitUntil([&] { return main_->SearchText() == typing.text && main_->Selection() == expected; }, 5000))
            << "text \"" << main_->SearchText() << "\", selection " << main_->Selection() << ", expected " << expected;
        if (typing.search) {
            ASSERT_GE(expected, 0);
            searched_[typing.search] = expected;
            // The match is scrolled into view.
            EXPECT_GE(expected, main_->TopIndex());
            EXPECT_LT(expected, main_->TopIndex() + main_->VisibleRows());
        }
        selection = expected;
    }
    Shoot("04-typed");
    const RECT frame = main_->Rect();
    Shoot("main-window", &frame);
    // A search selects without the user's own selection: View files stays disabled.
    EXPECT_FALSE(main_->ButtonEnabled("View files"));
}

void JourneyTest::ClickSelectsAndDoubleClickOpens()
{
    const int row = main_->Selection() + 1;
    ASSERT_LT(row, main_->Count());
    input::Click(main_->RowPoint(row));
    ASSERT_TRUE(WaitUntil([&] { return main_->Selection() == row; }, 5000)) << main_->Selection();
    EXPECT_TRUE(WaitUntil([&] { return main_->ButtonEnabled("View files"); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return main_->Focus() == main_->Edit(); }, 5000));
    Shoot("05-row-clicked");

    ASSERT_NO_FATAL_FAILURE(DoubleClickOpensInTheShell(row, "05-folder-opened"));
}

// "open" on a folder: Wine's shell starts its explorer.exe as a process of its own, with a
// window of class "ExplorerWClass" titled with the folder's own name.
void JourneyTest::DoubleClickOpensInTheShell(int row, const char* shot)
{
    const std::string folder = ownNames_[row];
    const std::map<DWORD, std::string> before = RunningProcesses();
    input::Click(main_->RowPoint(row), 2);
    DWORD browser = 0;
    HWND browserWindow = nullptr;
    const bool opened = WaitUntil(
        [&] {
            for (const auto& process : RunningProcesses()) {
                if (!before.count(process.first)) {
                    browser = process.first;
                    browserWindow = TopLevelWindowOf(browser);
                    char title[256] = {};
                    GetWindowTextA(browserWindow, title, sizeof title);
                    return browserWindow && folder == title;
                }
            }
            return false;
        },
        kWindowTimeoutMs);
    if (browser) {
        WaitForProcessIdle(browser, 5000);
        Sleep(kScreenCatchUpMs);
        EXPECT_TRUE(SaveScreenshot(Shot(shot)));
        // Closed as its close box would; ended by its id when it does not go.
        PostMessageA(browserWindow, WM_CLOSE, 0, 0);
        if (!WaitUntil([&] { return !RunningProcesses().count(browser); }, 5000)) {
            EXPECT_TRUE(EndProcess(browser));
        }
    }
    ASSERT_TRUE(opened) << "no window titled \"" << folder << "\" in a new process";
    // The program is the foreground window again, so the keys that follow reach it.
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main_->Frame(); }, kWindowTimeoutMs));
}

void JourneyTest::AGreekNameIsFoundShownAndOpened()
{
    // The box still holds "mix". Typed in capitals, as a Greek keyboard or an input method
    // gives them: the box shows them in lower case, and the search ignores case.
    for (int i = 0; i < 3; ++i) {
        input::PressKey(VK_BACK);
    }
    input::TypeText("ΕΛΛ");
    const int row = FirstMatch(ownNames_, "ελλ");
    ASSERT_GE(row, 0);
    EXPECT_EQ(expected_[static_cast<size_t>(row)], kGreekFolder);
    ASSERT_TRUE(WaitUntil([&] { return main_->SearchText() == "ελλ" && main_->Selection() == row; }, 5000))
        << "selection " << main_->Selection() << ", expected " << row;
    searched_["ελλ"] = row;
    EXPECT_GE(row, main_->TopIndex());
    EXPECT_LT(row, main_->TopIndex() + main_->VisibleRows());
    Shoot("05-greek-name-typed");
    ASSERT_NO_FATAL_FAILURE(DoubleClickOpensInTheShell(row, "05-greek-folder-opened"));
}

void JourneyTest::SaveWritesTheDataFile()
{
    input::PressWith(VK_MENU, 'V');
    HWND dialog = program_->WaitForWindow("#32770", nullptr, kWindowTimeoutMs);
    ASSERT_NE(dialog, nullptr) << "no save dialog";
    HWND name = FindControl(dialog, cmb13);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(WindowText(name), "Vantorelle.dat");
    Shoot("06-save-dialog");
    // The proposed name is replaced by a full one, as typed.
    input::PressKey(VK_END);
    input::PressWith(VK_SHIFT, VK_HOME);
    input::TypeText(kDataFile);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(name) == kDataFile; }, 5000)) << WindowText(name);
    input::PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, kWindowTimeoutMs));
    ASSERT_TRUE(WaitUntil([&] { return !main_->ButtonEnabled("Save"); }, kWindowTimeoutMs));

    savedBytes_ = FileBytes(kDataFile);
    ASSERT_EQ(savedBytes_.size(), expected_.size() * kRecordSize);
    const std::vector<Record> records = RecordsOf(savedBytes_);
    std::vector<std::string> paths;
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& record = records[i];
        paths.push_back(record.path);
        ASSERT_GE(record.nameOffset, 3u) << record.path;
        ASSERT_LT(record.nameOffset, record.path.size()) << record.path;
        EXPECT_EQ(record.path[record.nameOffset - 1], '\\') << record.path;
        EXPECT_EQ(record.OwnName().find('\\'), std::string::npos) << record.path;
        EXPECT_EQ(record.path.compare(0, 3, "D:\\"), 0) << record.path;
        if (i > 0) {
            EXPECT_LE(lstrcmpA(records[i - 1].OwnName().c_str(), record.OwnName().c_str()), 0)
                << records[i - 1].path << " before " << record.path;
        }
    }
    std::vector<std::string> sortedFound = paths;
    std::vector<std::string> sortedExpected = expected_;
    std::sort(sortedFound.begin(), sortedFound.end());
    std::sort(sortedExpected.begin(), sortedExpected.end());
    EXPECT_EQ(sortedFound, sortedExpected);
    // What the search selected is what the file says: the first own name with the text.
    for (const auto& search : searched_) {
        std::vector<std::string> ownNames;
        for (const Record& record : records) {
            ownNames.push_back(record.OwnName());
        }
        EXPECT_EQ(FirstMatch(ownNames, search.first), search.second) << search.first;
    }

    std::string value;
    EXPECT_TRUE(ReadSetting("Data file", &value));
    EXPECT_STREQ(value.c_str(), kDataFile);
    EXPECT_TRUE(ReadSetting("Scan date", &value));
    EXPECT_STREQ(value.c_str(), savedDate_.c_str());
}

void JourneyTest::PlacementAndListComeBack()
{
    const RECT start = main_->Rect();
    // Moved by its caption and made larger by its lower right corner, with the mouse.
    const POINT caption = {start.left + 120, start.top + GetSystemMetrics(SM_CYFRAME) + 8};
    input::Drag(caption, {caption.x - 150, caption.y - 100});
    ASSERT_TRUE(WaitUntil([&] { return main_->Rect().left == start.left - 150; }, 5000))
        << Describe(main_->Rect()) << " after a move from " << Describe(start);
    const RECT moved = main_->Rect();
    EXPECT_EQ(moved.top, start.top - 100);
    const POINT corner = {moved.right - 2, moved.bottom - 2};
    input::Drag(corner, {corner.x + 120, corner.y + 80});
    ASSERT_TRUE(WaitUntil([&] { return main_->Rect().right == moved.right + 120; }, 5000))
        << Describe(main_->Rect()) << " after a resize from " << Describe(moved);
    leftAt_ = main_->Rect();
    EXPECT_EQ(leftAt_.bottom, moved.bottom + 80);
    Shoot("07-moved-and-resized");

    // Saved: Exit asks nothing.
    input::PressWith(VK_MENU, 'X');
    ASSERT_NO_FATAL_FAILURE(ExpectExitWithin(kWindowTimeoutMs));
    EXPECT_EQ(program_->Window("#32770"), nullptr);
    std::string value;
    RECT stored = {};
    ASSERT_TRUE(ReadSetting("rcNormal", &value));
    ASSERT_EQ(value.size(), sizeof stored);
    std::memcpy(&stored, value.data(), sizeof stored);
    EXPECT_TRUE(SameRect(stored, leftAt_)) << Describe(stored);  // no taskbar: work area = screen
    ASSERT_TRUE(ReadSetting("showCmd", &value));
    ASSERT_EQ(value.size(), sizeof(DWORD));
    EXPECT_EQ(*reinterpret_cast<const DWORD*>(value.data()), static_cast<DWORD>(SW_SHOWNORMAL));
    EXPECT_TRUE(ReadSetting("flags", &value));

    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(SameRect(main_->Rect(), leftAt_)) << Describe(main_->Rect()) << " instead of " << Describe(leftAt_);
    EXPECT_EQ(main_->Count(), static_cast<int>(expected_.size()));
    EXPECT_EQ(main_->ScanDateText(), "Last scanned: " + savedDate_);
    EXPECT_EQ(main_->TotalText(), "\tTotal folders:  " + std::to_string(expected_.size()));
    EXPECT_FALSE(main_->ButtonEnabled("Save"));
    EXPECT_EQ(main_->Focus(), main_->Edit());
    Shoot("08-started-again");
}

void JourneyTest::ClosingAScannedListAsksToSave()
{
    ASSERT_NO_FATAL_FAILURE(ScanAndWait());
    const POINT closeBox = CaptionPoint(main_->Frame(), HTCLOSE);
    ASSERT_GE(closeBox.x, 0) << "no close box on the caption";
    input::Click(closeBox);
    HWND question = program_->WaitForWindow("#32770", "Vantorelle", kWindowTimeoutMs);
    ASSERT_NE(question, nullptr) << "no question";
    HWND text = FindControl(question, -1, "Static");
    bool asked = false;
    for (HWND child = GetWindow(question, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        asked = asked || WindowText(child) == "Save folders?";
    }
    EXPECT_TRUE(asked) << WindowText(text);
    Shoot("09-save-question");
    HWND no = FindButton(question, "No");
    ASSERT_NE(no, nullptr);
    input::Click(Centre(no));
    ASSERT_NO_FATAL_FAILURE(ExpectExitWithin(kWindowTimeoutMs));
    EXPECT_TRUE(FileBytes(kDataFile) == savedBytes_) << "the data file changed";
}

void JourneyTest::AboutBoxShowsAndCloses()
{
    ASSERT_NO_FATAL_FAILURE(Start());
    input::PressWith(VK_MENU, 'A');
    HWND about = program_->WaitForWindow("CMSGCLASS", nullptr, kWindowTimeoutMs);
    ASSERT_NE(about, nullptr) << "no about box";
    Sleep(300);  // its link is made at its first paint
    Shoot("10-about-box");
    RECT box = {};
    GetWindowRect(about, &box);
    Shoot("about-box", &box);
    input::PressKey('O');
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, kWindowTimeoutMs));
    // The keys go to whatever window is active: the main window takes them once it is again.
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main_->Frame(); }, kWindowTimeoutMs));
    input::PressWith(VK_MENU, 'X');
    ASSERT_NO_FATAL_FAILURE(ExpectExitWithin(kWindowTimeoutMs));
}

TEST_F(JourneyTest, UserScansFindsOpensSavesAndComesBackToTheSameList)
{
    {
        SCOPED_TRACE("1: first start");
        ASSERT_NO_FATAL_FAILURE(FirstStartShowsAnEmptyList());
    }
    {
        SCOPED_TRACE("2: scan");
        ASSERT_NO_FATAL_FAILURE(ScanFillsTheList());
    }
    {
        SCOPED_TRACE("3: type-ahead search");
        ASSERT_NO_FATAL_FAILURE(TypingSelectsTheFirstMatch());
    }
    {
        SCOPED_TRACE("4: click and double-click");
        ASSERT_NO_FATAL_FAILURE(ClickSelectsAndDoubleClickOpens());
    }
    {
        SCOPED_TRACE("5: a folder named in Greek");
        ASSERT_NO_FATAL_FAILURE(AGreekNameIsFoundShownAndOpened());
    }
    {
        SCOPED_TRACE("6: save");
        ASSERT_NO_FATAL_FAILURE(SaveWritesTheDataFile());
    }
    {
        SCOPED_TRACE("7: move, resize, exit and start again");
        ASSERT_NO_FATAL_FAILURE(PlacementAndListComeBack());
    }
    {
        SCOPED_TRACE("8: scan again and close with the close box");
        ASSERT_NO_FATAL_FAILURE(ClosingAScannedListAsksToSave());
    }
    {
        SCOPED_TRACE("9: about box");
        ASSERT_NO_FATAL_FAILURE(AboutBoxShowsAndCloses());
    }
}

}  // namespace
