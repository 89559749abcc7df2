// Reading and writing the data file: the record array itself, byte for byte, no header.
#include "index/IndexFile.h"

#include <windows.h>

#include "index/CodePage.h"
#include "index/LegacyRecords.h"
#include "index/RecordCheck.h"

namespace {

// Keeps the sound records, in their order, at the front of the array; returns how many. A
// record saved in the legacy code page is kept in UTF-8 when its path still fits.
int DropUnsoundRecords(FolderRecord* records, int count)
{
    const CodePageRules rules = ActiveCodePageRules();
    const LegacyRecords legacy;
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        FolderRecord& record = records[i];
        if (IsLegacyRecord(record, rules) ? legacy.ToUtf8(record) : IsSoundRecord(record, rules)) {
            if (kept != i) {
                records[kept] = records[i];
            }
            ++kept;
        }
    }
    if (kept < count) {
        ZeroMemory(records + kept, sizeof(FolderRecord) * static_cast<SIZE_T>(count - kept));
    }
    return kept;
}

// The folder part of path, with its trailing backslash ("" for a bare file name).
bool FolderOf(const char* path, char* folder, int size)
{
    const int end = FolderPartLength(path, lstrlenA(path), ActiveCodePageRules());
    if (end + 1 > size) {
        return false;
    }
    lstrcpynA(folder, path, end + 1);
    return true;
}

bool WriteAll(HANDLE file, const char* bytes, SIZE_T size)
{
    // One WriteFile per chunk below 4 GiB; a short write is a failure.
    while (size > 0) {
        const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written != chunk) {
            return false;
        }
        bytes += chunk;
        size -= chunk;
    }
    return true;
}

}  // namespace

int LoadIndexFile(const char* path, FolderIndex& index)
{
    index.SetCount(0);
    HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    LARGE_INTEGER size;
    // The count is the size over 264; the format has no room for files of 4 GiB or more.
    if (GetFileSizeEx(file, &size) && size.HighPart == 0) {
        const unsigned records = size.LowPart / sizeof(FolderRecord);
        const DWORD bytes = records * static_cast<DWORD>(sizeof(FolderRecord));
        DWORD read = 0;
        if (records > 0 && index.Reset(records) && ReadFile(file, index.Records(), bytes, &read, nullptr) &&
            read == bytes) {
            index.SetCount(DropUnsoundRecords(index.Records(), static_cast<int>(records)));
        }
    }
    CloseHandle(file);
    return index.Count();
}

SaveResult SaveIndexFile(const char* path, const FolderIndex& index)
{
    char folder[MAX_PATH];
    char temporary[MAX_PATH];
    if (!FolderOf(path, folder, sizeof folder) || !GetTempFileNameA(folder[0] ? folder : ".", "vnt", 0, temporary)) {
        return SaveResult::CannotOpen;
    }
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileA(temporary);
        return SaveResult::CannotOpen;
    }
    const SIZE_T bytes = sizeof(FolderRecord) * static_cast<SIZE_T>(index.Count());
    const bool written = WriteAll(file, reinterpret_cast<const char*>(index.Records()), bytes);
    if (!CloseHandle(file) || !written) {
        DeleteFileA(temporary);
        return SaveResult::CannotWrite;
    }
    if (!MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
        return SaveResult::CannotOpen;  // the data file itself could not be replaced
    }
    return SaveResult::Saved;
}
