// The locale's sort keys of the records' own names, built once for a sort.
#include "index/SortKeys.h"

namespace {
constexpr int kLongestKey = 4096;  // more than the key of any 259-byte name
}

SortKeys::~SortKeys()
{
    HANDLE heap = GetProcessHeap();
    if (arena_) {
        HeapFree(heap, 0, arena_);
    }
    if (offsets_) {
        HeapFree(heap, 0, offsets_);
    }
}

// lstrcmpA compares with CompareStringA in the thread's locale and no flags; the sort key
// made with the same locale and flags orders byte-wise the same way. The text is widened
// here with the active code page, as CompareStringA does (the locale's own ANSI code page
// is another one once the manifest makes the active one UTF-8): LCMapStringA would do the
// same but takes half as long again for it.
int SortKeys::Of(const char* text, BYTE* key, int size, LCID locale)
{
    WCHAR wide[kPathSize];
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, kPathSize);
    if (length == 0) {
        return 0;
    }
    return LCMapStringW(locale, LCMAP_SORTKEY, wide, length, reinterpret_cast<LPWSTR>(key), size);
}

bool SortKeys::Reserve(SIZE_T bytes)
{
    if (bytes <= arenaSize_) {
        return true;
    }
    SIZE_T size = arenaSize_ ? arenaSize_ : 1 << 20;
    while (size < bytes) {
        size *= 2;
    }
    HANDLE heap = GetProcessHeap();
    void* grown = arena_ ? HeapReAlloc(heap, 0, arena_, size) : HeapAlloc(heap, 0, size);
    if (!grown) {
        return false;
    }
    arena_ = static_cast<BYTE*>(grown);
    arenaSize_ = size;
    return true;
}

bool SortKeys::Build(const FolderRecord* records, int count)
{
    offsets_ = static_cast<int*>(HeapAlloc(GetProcessHeap(), 0, sizeof(int) * (static_cast<SIZE_T>(count) + 1)));
    if (!offsets_ || !Reserve(static_cast<SIZE_T>(count) * 48)) {
        return false;
    }
    const LCID locale = GetThreadLocale();
    SIZE_T used = 0;
    for (int i = 0; i < count; ++i) {
        if (!Reserve(used + kLongestKey) || used + kLongestKey > 0x7fffffff) {
            return false;
        }
        offsets_[i] = static_cast<int>(used);
        const int length = Of(records[i].OwnName(), arena_ + used, kLongestKey, locale);
        if (length == 0) {
            return false;
        }
        used += static_cast<SIZE_T>(length);
    }
    offsets_[count] = static_cast<int>(used);
    return true;
}
