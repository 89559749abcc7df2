// The base of the application's tests: the program started on empty settings and empty test
// drives, with the shell and the beep replaced by recorders, and what the tests read back.
#include "ProgramTest.h"

#include <commctrl.h>
#include <dlgs.h>

#include "app/Feedback.h"
#include "app/MainFrame.h"
#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "index/FolderCollector.h"
#include "support/DialogAnswerer.h"
#include "support/RunningProgram.h"
#include "ui/ButtonBar.h"
#include "ui/StatusBar.h"

std::vector<std::string> ProgramTest::opened;
int ProgramTest::beeps = 0;

namespace {

INT_PTR RecordOpen(HWND, const char* target)
{
    ProgramTest::opened.push_back(target);
    return 42;  // what the shell returns for success: anything above 32
}

void CountBeep()
{
    ++ProgramTest::beeps;
}

}  // namespace

void WriteDataFile(const std::string& file, const std::vector<std::string>& paths)
{
    std::vector<FolderRecord> records(paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        ZeroMemory(&records[i], sizeof records[i]);
        lstrcpynA(records[i].path, paths[i].c_str(), kPathSize);
        records[i].nameOffset = static_cast<uint32_t>(paths[i].rfind('\\') + 1);
    }
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(handle, records.data(), static_cast<DWORD>(records.size() * sizeof(FolderRecord)), &written, nullptr);
    CloseHandle(handle);
}

std::vector<std::string> DataFilePaths(const std::string& file)
{
    std::vector<std::string> paths;
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    FolderRecord record;
    DWORD read = 0;
    while (ReadFile(handle, &record, sizeof record, &read, nullptr) && read == sizeof record) {
        paths.push_back(record.path);
    }
    CloseHandle(handle);
    return paths;
}

long long FileSize(const std::string& file)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

FILETIME LastWriteTime(const std::string& file)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

void ProgramTest::SetUp()
{
    DeleteProgramSettings();
    opened.clear();
    beeps = 0;
    ShellOpen = RecordOpen;
    MissBeep = CountBeep;
}

void ProgramTest::TearDown()
{
    StopTestProgram();
    DeleteProgramSettings();
}

bool ProgramTest::Start()
{
    return StartTestProgram();
}

bool ProgramTest::StartWithDataFile(const std::string& file, const std::vector<std::string>& paths)
{
    WriteDataFile(file, paths);
    WriteProgramSetting("Data file", file);
    return Start();
}

void ProgramTest::Command(int id)
{
    SendMessageA(mainFrame.Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void ProgramTest::Scan()
{
    Command(IDM_SCAN_DRIVES);
}

std::string ProgramTest::SaveThroughDialog(const std::function<void(HWND dialog)>& answer)
{
    std::string proposal;
    DialogAnswerer answerer("#32770", nullptr, [&proposal, answer](HWND dialog) {
        proposal = WindowText(FindControl(dialog, cmb13));
        answer(dialog);
    });
    Command(IDM_SAVE);
    EXPECT_TRUE(answerer.Finished());
    return proposal;
}

std::function<void(HWND)> ProgramTest::SaveAs(const std::string& file)
{
    return [file](HWND dialog) {
        SetControlText(dialog, cmb13, file.c_str());
        ClickButton(dialog, IDOK);
    };
}

std::function<void(HWND)> ProgramTest::CancelDialog()
{
    return [](HWND dialog) { ClickButton(dialog, IDCANCEL); };
}

std::string ProgramTest::StatusText(int part)
{
    char text[256] = {};
    if (LOWORD(SendMessageA(statusBar.Handle(), SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0)) < sizeof text) {
        SendMessageA(statusBar.Handle(), SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
    }
    return text;
}

bool ProgramTest::ButtonEnabled(int id)
{
    return IsWindowEnabled(buttonBar.ButtonWindow(id)) != 0;
}

int ProgramTest::Selection()
{
    return static_cast<int>(SendMessageA(workspace.FolderList(), LB_GETCURSEL, 0, 0));
}

int ProgramTest::ListCount()
{
    return static_cast<int>(SendMessageA(workspace.FolderList(), LB_GETCOUNT, 0, 0));
}

std::vector<std::string> ProgramTest::IndexPaths()
{
    std::vector<std::string> paths;
    const FolderIndex& index = folderCollector.Index();
    for (int i = 0; i < index.Count(); ++i) {
        paths.push_back(index.At(i)->path);
    }
    return paths;
}
