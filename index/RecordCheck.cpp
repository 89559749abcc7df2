// The check of a folder record read from a data file, before any part of the program uses it.
#include "index/RecordCheck.h"

#include <cstring>

namespace {

bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The length of the record's path; -1 when it has no terminator within its field.
int PathLength(const FolderRecord& record)
{
    const void* terminator = std::memchr(record.path, '\0', kPathSize);
    return terminator ? static_cast<int>(static_cast<const char*>(terminator) - record.path) : -1;
}

}  // namespace

bool IsSoundRecord(const FolderRecord& record, const CodePageRules& rules)
{
    const char* path = record.path;
    const int length = PathLength(record);
    if (length < 3 || !IsDriveLetter(path[0]) || path[1] != ':' || path[2] != '\\') {
        return false;
    }
    // nameOffset is compared before it is used, so a wild value never leads outside the path.
    const uint32_t offset = record.nameOffset;
    if (offset < 3 || offset >= static_cast<uint32_t>(length)) {
        return false;
    }
    // A byte 0x5C inside a double-byte character is no separator.
    return LastSeparator(path, length, rules) == static_cast<int>(offset) - 1;
}

bool IsLegacyRecord(const FolderRecord& record, const CodePageRules& active)
{
    const int length = PathLength(record);
    return active.utf8 && length >= 0 && !IsUtf8(record.path, length);
}
