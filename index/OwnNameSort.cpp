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

// The byte of a key at depth d, or -1 past its end (a shorter key orders first).
int ByteAt(const KeyRef& ref, int d) { return d < ref.length ? ref.key[d] : -1; }

// Whether a orders before b, both known to agree on their first d bytes.
bool KeyLessFrom(const KeyRef& a, const KeyRef& b, int d)
{
    const int common = (a.length < b.length ? a.length : b.length) - d;
    const int order = common > 0 ? memcmp(a.key + d, b.key + d, static_cast<size_t>(common)) : 0;
    return order != 0 ? order < 0 : a.length < b.length;
}

// Multikey quicksort: partitions on one key byte at a time, so the long prefixes that
// folder names share (and their keys with them) are compared once, not at every step.
void SortKeysFrom(KeyRef* refs, int count, int d)
{
    while (count > 1) {
        if (count < 16) {
            for (int i = 1; i < count; ++i) {
                for (int j = i; j > 0 && KeyLessFrom(refs[j], refs[j - 1], d); --j) {
                    std::swap(refs[j], refs[j - 1]);
                }
            }
            return;
        }
        std::swap(refs[0], refs[count / 2]);
        const int pivot = ByteAt(refs[0], d);
        int lower = 0;        // refs[0, lower) < pivot
        int next = 0;         // refs[lower, next) == pivot
        int upper = count;    // refs[upper, count) > pivot
        while (next < upper) {
            const int byte = ByteAt(refs[next], d);
            if (byte < pivot) {
                std::swap(refs[lower++], refs[next++]);
            } else if (byte > pivot) {
                std::swap(refs[next], refs[--upper]);
            } else {
                ++next;
            }
        }
        SortKeysFrom(refs, lower, d);
        SortKeysFrom(refs + upper, count - upper, d);
        if (pivot < 0) {
            return;  // the middle keys all ended here: they are equal
        }
        refs += lower;
        count = upper - lower;
        ++d;
    }
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
    SortKeysFrom(order, count_, 0);
    Permute(records_, order, count_);
    HeapFree(heap, 0, order);
}
