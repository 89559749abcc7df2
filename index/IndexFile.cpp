// Reading and writing the data file: the record array itself, byte for byte, no header.
#include "index/IndexFile.h"

#include <windows.h>

#include <climits>

#include "index/RecordCheck.h"

namespace {

// Keeps the sound records, in their order, at the front of the array; returns how many.
int DropUnsoundRecords(FolderRecord* records, int count)
{
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (IsSoundRecord(records[i])) {
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

// Moves size bytes in pieces of at most pieceBytes, since one ReadFile or WriteFile moves
// less than 4 GiB. move(offset, piece) moves one piece and tells whether all of it went.
template <typename Move>
bool InPieces(ULONGLONG size, DWORD pieceBytes, Move move)
{
    for (ULONGLONG offset = 0; offset < size;) {
        const DWORD piece = size - offset > pieceBytes ? pieceBytes : static_cast<DWORD>(size - offset);
        if (!move(offset, piece)) {
            return false;
        }
        offset += piece;
    }
    return true;
}

bool ReadAll(HANDLE file, char* bytes, ULONGLONG size, DWORD pieceBytes)
{
    return InPieces(size, pieceBytes, [file, bytes](ULONGLONG offset, DWORD piece) {
        DWORD read = 0;
        return ReadFile(file, bytes + offset, piece, &read, nullptr) && read == piece;
    });
}

bool WriteAll(HANDLE file, const char* bytes, ULONGLONG size, DWORD pieceBytes)
{
    return InPieces(size, pieceBytes, [file, bytes](ULONGLONG offset, DWORD piece) {
        DWORD written = 0;
        return WriteFile(file, bytes + offset, piece, &written, nullptr) && written == piece;
    });
}

// The folder part of path, with its trailing backslash ("" for a bare file name).
bool FolderOf(const char* path, char* folder, int size)
{
    int end = lstrlenA(path);
    while (end > 0 && path[end - 1] != '\\' && path[end - 1] != '/' && path[end - 1] != ':') {
        --end;
    }
    if (end + 1 > size) {
        return false;
    }
    lstrcpynA(folder, path, end + 1);
    return true;
}

}  // namespace

int LoadIndexFile(const char* path, FolderIndex& index, DWORD pieceBytes)
{
    index.SetCount(0);
    // Read sharing: a virus scanner or backup tool reading the file at this moment must
    // not leave the list empty.
    HANDLE file =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    LARGE_INTEGER size;
    // The count is the size over 264. An index holds at most INT_MAX records, so no save
    // writes more; a larger file is not one of ours and is not loaded.
    if (GetFileSizeEx(file, &size)) {
        const ULONGLONG records = static_cast<ULONGLONG>(size.QuadPart) / sizeof(FolderRecord);
        if (records > 0 && records <= INT_MAX && index.Reset(static_cast<unsigned>(records)) &&
            ReadAll(file, reinterpret_cast<char*>(index.Records()), records * sizeof(FolderRecord), pieceBytes)) {
            index.SetCount(DropUnsoundRecords(index.Records(), static_cast<int>(records)));
        }
    }
    CloseHandle(file);
    return index.Count();
}

SaveResult SaveIndexFile(const char* path, const FolderIndex& index, DWORD pieceBytes)
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
    const ULONGLONG bytes = sizeof(FolderRecord) * static_cast<ULONGLONG>(index.Count());
    const bool written = WriteAll(file, reinterpret_cast<const char*>(index.Records()), bytes, pieceBytes);
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
