// One folder of the index: the same 264 bytes in memory and in the data file.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kPathSize = 260;  // bytes of a path field, terminator included

struct FolderRecord {
    uint32_t nameOffset;   // length of the parent path with its trailing backslash
    char path[kPathSize];  // full path without a trailing backslash, NUL-terminated

    const char* OwnName() const { return path + nameOffset; }
};

static_assert(sizeof(FolderRecord) == 264, "a record is 264 bytes on disk");
static_assert(offsetof(FolderRecord, nameOffset) == 0, "nameOffset leads the record");
static_assert(offsetof(FolderRecord, path) == 4, "the path follows nameOffset directly");
