// Reading and writing the data file: the record array itself, byte for byte, no header.
#include "index/IndexFile.h"

#include <windows.h>

#include <climits>

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

// path with its last character replaced by replacement, into out (size bytes): a name in
// the same folder, never longer than path. False when there is no such other name.
bool NameWithLastCharacter(const char* path, char replacement, char* out, int size, const CodePageRules& rules)
{
    const int length = lstrlenA(path);
    const int last = LastCharacterStart(path, length, rules);
    if (length == 0 || last + 2 > size || path[last] == '\\' || path[last] == '/' || path[last] == ':' ||
        (last == length - 1 && path[last] == replacement)) {
        return false;
    }
    CopyMemory(out, path, static_cast<SIZE_T>(last));
    out[last] = replacement;
    out[last + 1] = '\0';
    return true;
}

// A new, empty file beside path whose name differs from path in its last character only:
// it fits wherever path fits and lies on the same volume. CREATE_NEW never opens a file
// that exists, so no file of the user's is touched. Invalid when none could be made.
HANDLE CreateFileBeside(const char* path, char* name, int size)
{
    static const char kReplacements[] = "~$#_";
    const CodePageRules rules = ActiveCodePageRules();
    for (const char* replacement = kReplacements; *replacement; ++replacement) {
        if (!NameWithLastCharacter(path, *replacement, name, size, rules)) {
            continue;
        }
        HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

// Writes the records and flushes them to the disk, so that a power cut after the save
// finds them there; closes the file.
SaveResult WriteRecords(HANDLE file, const FolderIndex& index, DWORD pieceBytes)
{
    const ULONGLONG bytes = sizeof(FolderRecord) * static_cast<ULONGLONG>(index.Count());
    const bool written =
        WriteAll(file, reinterpret_cast<const char*>(index.Records()), bytes, pieceBytes) && FlushFileBuffers(file);
    const bool closed = CloseHandle(file) != 0;
    return written && closed ? SaveResult::Saved : SaveResult::CannotWrite;
}

// Virus scanners, indexers and backup tools open a freshly written file for a moment; the
// replacement then fails with a sharing or access error although nothing is wrong, so it
// is tried again for about a second.
bool ReplaceWith(const char* temporary, const char* path)
{
    constexpr int kAttempts = 20;
    constexpr DWORD kPause = 50;  // milliseconds
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = GetLastError();
        const bool passing =
            error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
        if (!passing || attempt == kAttempts) {
            return false;
        }
        Sleep(kPause);
    }
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
    char temporary[MAX_PATH];
    HANDLE file = CreateFileBeside(path, temporary, sizeof temporary);
    if (file == INVALID_HANDLE_VALUE) {
        // No file can be made beside it (the user may write the data file but not create
        // files in its folder): the data file itself is written in place.
        file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        return file == INVALID_HANDLE_VALUE ? SaveResult::CannotOpen : WriteRecords(file, index, pieceBytes);
    }
    const SaveResult written = WriteRecords(file, index, pieceBytes);
    if (written != SaveResult::Saved) {
        DeleteFileA(temporary);
        return written;
    }
    if (!ReplaceWith(temporary, path)) {
        DeleteFileA(temporary);
        return SaveResult::CannotOpen;  // the data file itself could not be replaced
    }
    return SaveResult::Saved;
}
