// From process start to a shown list of a million folders, against reading the same file, and
// the memory the loaded list takes.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "index/FolderIndex.h"
#include "index/IndexFile.h"
#include "settings/Settings.h"

namespace {

constexpr int kRecords = 1000000;

void WriteDataFile(const char* path)
{
    FolderIndex index;
    index.Reset(kRecords + 1);
    char name[32];
    for (int i = 0; i < kRecords; ++i) {
        wsprintfA(name, "Folder %07d", i);
        index.Append("D:\\Bench\\", name);
    }
    SaveIndexFile(path, index);
}

double ReadAlone(const char* path)
{
    const DWORD bytes = kRecords * sizeof(FolderRecord);
    void* buffer = VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const double start = Seconds();
    HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    DWORD read = 0;
    ReadFile(file, buffer, bytes, &read, nullptr);
    CloseHandle(file);
    const double seconds = Seconds() - start;
    VirtualFree(buffer, 0, MEM_RELEASE);
    return seconds;
}

// Starts the program and waits until its main window is shown with a list of records
// folders; the seconds that took, and the program's peak working set then in *peak.
double StartUntilListShown(const char* exe, int records, SIZE_T* peak)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command = std::string("\"") + exe + "\"";
    const double start = Seconds();
    if (!CreateProcessA(exe, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    double seconds = -1;
    while (Seconds() - start < 120) {
        HWND frame = FindWindowA("MainClass", "Vantorelle");
        HWND workspace = frame ? FindWindowExA(frame, nullptr, "WorkSpaceClass", nullptr) : nullptr;
        HWND list = workspace ? FindWindowExA(workspace, nullptr, "LISTBOX", nullptr) : nullptr;
        if (list && IsWindowVisible(frame) && SendMessageA(list, LB_GETCOUNT, 0, 0) == records) {
            seconds = Seconds() - start;
            PROCESS_MEMORY_COUNTERS counters = {};
            counters.cb = sizeof counters;
            GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters);
            *peak = counters.PeakWorkingSetSize;
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return seconds;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::printf("usage: StartupBench <Vantorelle.exe> <data file>\n");
        return 2;
    }
    // The program's own memory, with a data file that holds no records.
    CloseHandle(CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    WriteDocumentSettings(argv[2], "12/08/26  09:00 AM");
    SIZE_T empty = 0;
    const double emptyStart = StartUntilListShown(argv[1], 0, &empty);

    WriteDataFile(argv[2]);
    ReadAlone(argv[2]);  // the program, too, finds the file in the cache
    double best = 1e9;
    double bestRead = 1e9;
    SIZE_T loaded = 0;
    for (int run = 0; run < 3; ++run) {
        const double read = ReadAlone(argv[2]);
        const double started = StartUntilListShown(argv[1], kRecords, &loaded);
        bestRead = read < bestRead ? read : bestRead;
        best = started >= 0 && started < best ? started : best;
    }
    Report("start to a shown list of 1,000,000 folders", best, bestRead, "reading the file alone");
    // A load makes room for exactly the records it reads; the target allows a growth step more.
    const double added = static_cast<double>(loaded - empty) / 1e6;
    const double target = (static_cast<double>(kRecords) + FolderIndex::kGrowthStep) * sizeof(FolderRecord) / 1e6;
    std::printf(
        "| peak memory added by loading 1,000,000 records | %.1f MB | %.1f MB (records and a growth step) "
        "| %.2f |\n",
        added, target, added / target);
    std::printf(
        "- The program's peak working set: %.1f MB with a data file of no records, %.1f MB with "
        "1,000,000 records shown.\n",
        empty / 1e6, loaded / 1e6);
    // What starting a process and showing its windows costs under Wine, whatever the file.
    std::printf("- Start to a shown, empty list (a data file of no records): %.3f s.\n", emptyStart);
    DeleteFileA(argv[2]);
    return 0;
}
