// The check of a folder record read from a data file, before any part of the program uses it.
#include "index/RecordCheck.h"

#include <cstring>

namespace {

bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

bool IsSoundRecord(const FolderRecord& record)
{
    const char* path = record.path;
    const void* terminator = std::memchr(path, '\0', kPathSize);
    if (!terminator) {
        return false;
    }
    const size_t length = static_cast<size_t>(static_cast<const char*>(terminator) - path);
    if (length < 3 || !IsDriveLetter(path[0]) || path[1] != ':' || path[2] != '\\') {
        return false;
    }
    // nameOffset is compared before it is used, so a wild value never leads outside the path.
    const uint32_t offset = record.nameOffset;
    if (offset < 3 || offset >= length || path[offset - 1] != '\\') {
        return false;
    }
    return std::memchr(path + offset, '\\', length - offset) == nullptr;
}
