// The drive scan through the real main window on a tree the size of a used disk, beside bare
// walks of the same tree and the command line's own listing of it, and the memory it takes.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "app/MainFrame.h"
#include "app/Program.h"
#include "app/Resource.h"
#include "index/FolderCollector.h"
#include "index/SortKeys.h"

namespace {

constexpr int kRounds = 3;

// Whether a listed entry is a folder the scan records: no dot folders, no system folders.
bool Recorded(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && entry.cFileName[0] != '.' &&
           !(entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM);
}

bool Entered(const WIN32_FIND_DATAA& entry)
{
    return !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Appends name to the path of length characters in path; false when it would not fit.
bool Extend(char* path, int length, const char* name)
{
    const int more = lstrlenA(name);
    if (length + more + 1 > TreeWalker::kPatternSize) {
        return false;
    }
    CopyMemory(path + length, name, static_cast<SIZE_T>(more) + 1);
    return true;
}

// Starts a search for pattern in the folder path (length characters, ending with a
// backslash); INVALID_HANDLE_VALUE when there is none.
HANDLE FirstEntry(char* path, int length, const char* pattern, WIN32_FIND_DATAA* entry)
{
    return Extend(path, length, pattern) ? FindFirstFileA(path, entry) : INVALID_HANDLE_VALUE;
}

using WalkFunction = int (*)(char* path, int length, int level);

// Goes through the rest of a search in the folder path at level, from entry on, and walks
// every folder the scan would record with walk; closes the search. The folders found.
int Subfolders(HANDLE search, WIN32_FIND_DATAA& entry, char* path, int length, int level, WalkFunction walk)
{
    int folders = 0;
    do {
        if (level < FolderCollector::kDepthLimit && Recorded(entry)) {
            ++folders;
            const int name = lstrlenA(entry.cFileName);
            if (Entered(entry) && Extend(path, length, entry.cFileName) && Extend(path, length + name, "\\")) {
                folders += walk(path, length + name + 1, level + 1);
            }
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return folders;
}

// Lists each folder once, files and subfolders together, and walks a subfolder as soon as
// it is met; path (length characters, ending with a backslash) is the folder at level.
// Returns the folders found below it.
int OneListingWalk(char* path, int length, int level)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FirstEntry(path, length, "*.*", &entry);
    return search == INVALID_HANDLE_VALUE ? 0 : Subfolders(search, entry, path, length, level, OneListingWalk);
}

// Lists every folder's files with "*.*", then its subfolders with "*", as a walk must when
// the pattern does not take every name.
int TwoPassWalk(char* path, int length, int level)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FirstEntry(path, length, "*.*", &entry);
    if (search != INVALID_HANDLE_VALUE) {
        while (FindNextFileA(search, &entry)) {
        }
        FindClose(search);
    }
    if (level >= FolderCollector::kDepthLimit) {
        return 0;
    }
    search = FirstEntry(path, length, "*", &entry);
    return search == INVALID_HANDLE_VALUE ? 0 : Subfolders(search, entry, path, length, level, TwoPassWalk);
}

// Seconds of processor time this process has used, in user and kernel mode. Unlike the
// clock, it does not count the time other programs on a busy machine take from it.
double ProcessorSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// The clock and processor seconds one piece of work took.
struct Timing {
    std::vector<double> clock;
    std::vector<double> processor;
};

template <typename Work>
void Time(Timing& timing, Work work)
{
    const double processor = ProcessorSeconds();
    const double start = Seconds();
    work();
    timing.clock.push_back(Seconds() - start);
    timing.processor.push_back(ProcessorSeconds() - processor);
}

int Walk(WalkFunction walk, const char* root)
{
    char path[TreeWalker::kPatternSize];
    lstrcpynA(path, root, sizeof path);
    return walk(path, lstrlenA(path), 0);
}

// "Scan drives" as its button delivers it; the scan is over when the command returns.
void Scan()
{
    SendMessageA(mainFrame.Handle(), WM_COMMAND, IDM_SCAN_DRIVES, 0);
}

// The command line's recursive listing of the folders below root, run as a process of its
// own that shares this program's console, as from a command line; the folders it printed.
// Started without a console (CREATE_NO_WINDOW), Wine's cmd took longer in every trial, up
// to two and a half times as long.
double TimeDir(const char* root, int* folders)
{
    const char* list = "C:\\bench-dirs.txt";
    std::string command = std::string("cmd.exe /c dir /s /b /ad ") + root + " > " + list;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = Seconds();
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        *folders = 0;
        return 0;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    const double seconds = Seconds() - start;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);

    *folders = 0;
    HANDLE file = CreateFileA(list, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        *folders += static_cast<int>(std::count(buffer, buffer + read, '\n'));
    }
    CloseHandle(file);
    DeleteFileA(list);
    return seconds;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string Runs(const std::vector<double>& values)
{
    std::string text;
    char one[32];
    for (double value : values) {
        std::snprintf(one, sizeof one, "%s%.1f", text.empty() ? "" : ", ", value);
        text += one;
    }
    return text + " s";
}

SIZE_T PeakWorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

// What the scan of the index's folders needs at most: the records, one growth step, and the
// sort's own arrays (an order entry and a key offset per record) with the names' keys.
double TargetMegabytes(const FolderIndex& index)
{
    SortKeys keys;
    SIZE_T keyBytes = 0;
    if (keys.Build(index.Records(), index.Count())) {
        for (int i = 0; i < index.Count(); ++i) {
            keyBytes += static_cast<SIZE_T>(keys.Length(i));
        }
    }
    const double records = static_cast<double>(index.Count()) * sizeof(FolderRecord);
    const double step = static_cast<double>(FolderIndex::kGrowthStep) * sizeof(FolderRecord);
    const double sort = static_cast<double>(index.Count()) * (16 + 4) + static_cast<double>(keyBytes);
    return (records + step + sort) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    // The scan walks every fixed drive; the bench prefix has the tree on D: and Z: empty.
    const char* root = argc > 1 ? argv[1] : "D:\\";
    if (!StartProgram(GetModuleHandleA(nullptr), SW_SHOW)) {
        std::printf("the main window could not be made\n");
        return 1;
    }
    const SIZE_T before = PeakWorkingSet();
    SIZE_T afterScan = 0;

    // The machine is shared and its speed drifts: the scan and the bare walk take turns,
    // each starting every other round, and the medians are compared.
    Timing scans;
    Timing walks;
    int walked = 0;
    const auto walk = [&walked, root] { walked = Walk(OneListingWalk, root); };
    for (int round = 0; round < kRounds; ++round) {
        if (round % 2 == 1) {
            Time(walks, walk);
        }
        Time(scans, Scan);
        if (round == 0) {
            afterScan = PeakWorkingSet();
        }
        if (round % 2 == 0) {
            Time(walks, walk);
        }
    }
    const int found = folderCollector.Index().Count();
    const double scan = Median(scans.clock);
    const double bare = Median(walks.clock);
    Timing twoPass;
    int twoPassFolders = 0;
    Time(twoPass, [&twoPassFolders, root] { twoPassFolders = Walk(TwoPassWalk, root); });
    int dirFolders = 0;
    const double dir = TimeDir(root, &dirFolders);

    std::printf(
        "| scan of %d folders through the main window (%.0f folders/s) | %.1f s | %.1f s (bare walk "
        "listing each folder once, %d folders, %.0f folders/s) | %.2f |\n",
        found, found / scan, scan, bare, walked, walked / bare, scan / bare);
    std::printf("| the same scan | %.1f s | %.1f s (cmd /c dir /s /b /ad, %d folders, %.0f folders/s) | %.2f |\n", scan,
                dir, dirFolders, dirFolders / dir, scan / dir);
    std::printf(
        "| bare two-pass walk (%.0f folders/s) | %.1f s | %.1f s (bare walk listing each folder once) | "
        "%.2f |\n",
        twoPassFolders / twoPass.clock[0], twoPass.clock[0], bare, twoPass.clock[0] / bare);
    const double added = static_cast<double>(afterScan - before) / 1e6;
    const double target = TargetMegabytes(folderCollector.Index());
    std::printf(
        "| peak memory added by the first scan of %d folders | %.1f MB | %.1f MB (records, a growth step, "
        "the sort) | %.2f |\n",
        found, added, target, added / target);
    std::printf("- Scan runs: %s (processor time %s); bare walk runs: %s (processor time %s).\n",
                Runs(scans.clock).c_str(), Runs(scans.processor).c_str(), Runs(walks.clock).c_str(),
                Runs(walks.processor).c_str());
    std::printf("- The program's peak working set: %.1f MB before the first scan, %.1f MB after it.\n", before / 1e6,
                afterScan / 1e6);
    DestroyWindow(mainFrame.Handle());
    return 0;
}
