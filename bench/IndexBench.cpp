// Sorting, loading, saving and searching an index of a million folders, each beside the
// plain platform work it is measured against.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "index/FolderIndex.h"
#include "index/FolderSearch.h"
#include "index/IndexFile.h"

namespace {

constexpr int kRecords = 1000000;

// Folder names as people make them: mixed case, digits, blanks, hyphens, accented letters,
// Japanese, Greek, Cyrillic and emoji.
void FillIndex(FolderIndex& index, int count)
{
    static const char* const parts[] = {
        "Music", "photos",    "Backup",       "src",     "Tom & Jerry", "déjà vu", "Projects", "2024-report", "old",
        "Temp",  "Été",       "node_modules", "Cache",   "it's",        "build",   "Zeta",     "alpha",       "Beta",
        "写真",  "資料 2024", "Φωτογραφίες",  "Έγγραφα", "Документы",   "Москва",  "😀 fun",    "Ünïcode"};
    unsigned seed = 2026;
    index.Reset(static_cast<unsigned>(count) + 1);
    char name[64];
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        const char* a = parts[(seed >> 8) % (sizeof parts / sizeof *parts)];
        const char* b = parts[(seed >> 16) % (sizeof parts / sizeof *parts)];
        wsprintfA(name, "%s %s %u", a, b, (seed >> 4) % 100000);
        index.Append("D:\\Data\\Some Parent\\", name);
    }
}

bool Sorted(const FolderIndex& index)
{
    for (int i = 1; i < index.Count(); ++i) {
        if (lstrcmpA(index.At(i - 1)->OwnName(), index.At(i)->OwnName()) > 0) {
            return false;
        }
    }
    return true;
}

void BenchSort()
{
    FolderIndex index;
    FillIndex(index, kRecords);
    double start = Seconds();
    index.Sort();
    const double ours = Seconds() - start;

    FolderIndex reference;
    FillIndex(reference, kRecords);
    start = Seconds();
    std::sort(reference.Records(), reference.Records() + reference.Count(),
              [](const FolderRecord& a, const FolderRecord& b) { return lstrcmpA(a.OwnName(), b.OwnName()) < 0; });
    const double plain = Seconds() - start;
    Report("sort 1,000,000 records by own name", ours, plain, "std::sort with lstrcmpA");
    std::printf("|   sorted in lstrcmpA order | %s | | |\n", Sorted(index) ? "yes" : "NO");
}

double PlainWrite(const char* path, const void* bytes, DWORD size)
{
    const double start = Seconds();
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes, size, &written, nullptr);
    CloseHandle(file);
    return Seconds() - start;
}

double PlainRead(const char* path, void* bytes, DWORD size)
{
    const double start = Seconds();
    HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    DWORD read = 0;
    ReadFile(file, bytes, size, &read, nullptr);
    CloseHandle(file);
    return Seconds() - start;
}

void BenchFile(const char* folder)
{
    FolderIndex index;
    FillIndex(index, kRecords);
    index.Sort();
    const std::string data = std::string(folder) + "bench.dat";
    const std::string plain = std::string(folder) + "plain.dat";
    const DWORD bytes = static_cast<DWORD>(index.Count()) * sizeof(FolderRecord);

    double start = Seconds();
    SaveIndexFile(data.c_str(), index);
    const double save = Seconds() - start;
    const double plainWrite = PlainWrite(plain.c_str(), index.Records(), bytes);
    Report("save 1,000,000 records (264 MB)", save, plainWrite, "plain WriteFile");

    FolderIndex loaded;
    start = Seconds();
    LoadIndexFile(data.c_str(), loaded);
    const double load = Seconds() - start;
    void* buffer = VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const double plainRead = PlainRead(plain.c_str(), buffer, bytes);
    VirtualFree(buffer, 0, MEM_RELEASE);
    Report("load 1,000,000 records (264 MB)", load, plainRead, "plain ReadFile");
    DeleteFileA(data.c_str());
    DeleteFileA(plain.c_str());
}

// One keystroke that matches nothing, against the plain loop of the same comparisons.
void BenchMiss(const FolderIndex& index, const char* miss, const char* what)
{
    double start = Seconds();
    const int found = FindFirstMatch(index.Records(), index.Count(), miss);
    const double ours = Seconds() - start;

    start = Seconds();
    char prefix[kPathSize];
    const int length = lstrlenA(miss);
    int bare = -1;
    for (int i = 0; i < index.Count() && bare < 0; ++i) {
        lstrcpynA(prefix, index.At(i)->OwnName(), length + 1);
        if (lstrcmpiA(prefix, miss) == 0) {
            bare = i;
        }
    }
    const double plain = Seconds() - start;
    Report(what, ours, plain, "lstrcpynA + lstrcmpiA loop");
    if (found != bare) {
        std::printf("|   MISMATCH: %d versus %d | | | |\n", found, bare);
    }
}

void BenchSearch()
{
    FolderIndex index;
    FillIndex(index, kRecords);
    index.Sort();
    BenchMiss(index, "no folder has this name", "keystroke without a match, 1,000,000 records");
    // A text that starts with a blank gets no quick look: every name is compared in full.
    BenchMiss(index, " no folder has this name", "the same, text starting with a blank");
}

}  // namespace

int main(int argc, char** argv)
{
    const char* folder = argc > 1 ? argv[1] : "D:\\";
    BenchSort();
    BenchFile(folder);
    BenchSearch();
    return 0;
}
