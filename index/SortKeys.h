// The locale's sort keys of the records' own names, built once for a sort.
#pragma once

#include <windows.h>

#include "index/FolderRecord.h"

class SortKeys {
public:
    SortKeys() = default;
    ~SortKeys();
    SortKeys(const SortKeys&) = delete;
    SortKeys& operator=(const SortKeys&) = delete;

    // Computes the key of every record's own name; false when memory ran out.
    bool Build(const FolderRecord* records, int count);

    const BYTE* Key(int i) const { return arena_ + offsets_[i]; }
    int Length(int i) const { return offsets_[i + 1] - offsets_[i]; }

private:
    // The key of one text in lstrcmpA's order for the locale; 0 when it does not fit.
    static int Of(const char* text, BYTE* key, int size, LCID locale);
    bool Reserve(SIZE_T bytes);

    BYTE* arena_ = nullptr;
    SIZE_T arenaSize_ = 0;
    int* offsets_ = nullptr;
};
