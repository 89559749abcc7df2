// The in-memory folder index: one contiguous array of records, its count and capacity.
#pragma once

#include "index/FolderRecord.h"
#include "index/RecordBlock.h"

class FolderIndex {
public:
    static constexpr int kGrowthStep = 10000;

    // Empties the index and makes room for at least n records; false when no memory
    // could be had (the index is then empty with capacity 0).
    bool Reset(unsigned n);

    // Adds parentPath + ownName at index count. parentPath ends with a backslash and the
    // joined path fits kPathSize bytes (the walker guarantees both). Returns false when the
    // array was full and could not grow: the record is kept, but no further one fits.
    bool Append(const char* parentPath, const char* ownName);

    // Orders records 0 .. count-1 by own name, compared as lstrcmpA compares them.
    void Sort();

    FolderRecord* Records() const { return records_; }
    int Count() const { return count_; }
    int Capacity() const { return capacity_; }
    // Sets the count after the records were filled directly (the index file load);
    // never more than the capacity.
    void SetCount(int count);

    const FolderRecord* At(int i) const { return records_ + i; }

private:
    RecordBlock block_;
    FolderRecord* records_ = nullptr;
    int capacity_ = 0;
    int count_ = 0;
};
