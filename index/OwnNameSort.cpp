// Sorting the index by own name in lstrcmpA's order, through the locale's sort keys.
//
// Comparing with lstrcmpA inside the sort converts both names for every comparison, about
// twenty million times for a million folders. The locale's sort key of a name orders
// byte-wise exactly as lstrcmpA orders the names, so each name is converted once, the keys
// are sorted with memcmp, and the records are then moved once into their places.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "index/FolderIndex.h"
#include "index/SortKeys.h"

namespace {

struct KeyRef {
    const BYTE* key;
    int length;
    int record;
};

bool KeyLess(const KeyRef& a, const KeyRef& b)
{
    const int common = a.length < b.length ? a.length : b.length;
    const int order = memcmp(a.key, b.key, static_cast<size_t>(common));
    return order != 0 ? order < 0 : a.length < b.length;
}

// Puts record order[i] at place i for every i, following each cycle of the permutation
// with one spare record.
void Permute(FolderRecord* records, KeyRef* order, int count)
{
    FolderRecord spare;
    for (int start = 0; start < count; ++start) {
        if (order[start].record == start || order[start].record < 0) {
            continue;
        }
        spare = records[start];
        int place = start;
        for (;;) {
            const int from = order[place].record;
            order[place].record = -1;
            if (from == start) {
                records[place] = spare;
                break;
            }
            records[place] = records[from];
            place = from;
        }
    }
}

void SortWithLstrcmp(FolderRecord* records, int count)
{
    std::sort(records, records + count, [](const FolderRecord& a, const FolderRecord& b) {
        return lstrcmpA(a.OwnName(), b.OwnName()) < 0;
    });
}

}  // namespace

void FolderIndex::Sort()
{
    if (count_ < 2) {
        return;
    }
    SortKeys keys;
    HANDLE heap = GetProcessHeap();
    auto* order = static_cast<KeyRef*>(HeapAlloc(heap, 0, sizeof(KeyRef) * static_cast<SIZE_T>(count_)));
    if (!order || !keys.Build(records_, count_)) {
        // Not enough memory for the keys: the slow comparison gives the same order.
        if (order) {
            HeapFree(heap, 0, order);
        }
        SortWithLstrcmp(records_, count_);
        return;
    }
    for (int i = 0; i < count_; ++i) {
        order[i] = KeyRef{keys.Key(i), keys.Length(i), i};
    }
    std::sort(order, order + count_, KeyLess);
    Permute(records_, order, count_);
    HeapFree(heap, 0, order);
}
