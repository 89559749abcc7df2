// Depth-first walk of one directory tree, without recursion, reported through callbacks.
#include "index/TreeWalker.h"

#include "index/CodePage.h"
#include "index/MemoryGate.h"
#include "index/ReparsePoint.h"

namespace {

bool IsDirectory(const WIN32_FIND_DATAA& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// Junctions and symbolic links are recorded but never entered: one that points at an
// ancestor would repeat the tree below it at every level down to the limit. For a reparse
// point the find data's dwReserved0 holds its tag.
bool IsLink(const WIN32_FIND_DATAA& entry)
{
    return ::IsLink(entry.dwFileAttributes, entry.dwReserved0);
}

// Copies a + b into out when the result fits size bytes with its terminator.
bool Join(char* out, int size, const char* a, const char* b)
{
    const int lengthA = lstrlenA(a);
    const int lengthB = lstrlenA(b);
    if (lengthA + lengthB + 1 > size) {
        return false;
    }
    CopyMemory(out, a, static_cast<SIZE_T>(lengthA));
    CopyMemory(out + lengthA, b, static_cast<SIZE_T>(lengthB) + 1);
    return true;
}

// Starts a search for pattern. The basic level leaves out the short 8.3 name, which the
// walk never reads (cAlternateFileName stays empty), and the large fetch asks for many
// entries per call: on Windows both make big folders list faster. Names, attributes and
// their order are as FindFirstFileA gives them.
HANDLE FindFirst(const char* pattern, WIN32_FIND_DATAA* entry)
{
    return FindFirstFileExA(pattern, FindExInfoBasic, entry, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
}

}  // namespace

// One open directory search per level, from the root (0) to the depth limit; the entry at
// the current depth is the search running in the current folder.
class TreeWalker::SearchStack {
public:
    explicit SearchStack(int levels) : levels_(levels)
    {
        handles_ = static_cast<HANDLE*>(HeapAlloc(GetProcessHeap(), 0, sizeof(HANDLE) * static_cast<SIZE_T>(levels)));
        for (int i = 0; handles_ && i < levels; ++i) {
            handles_[i] = INVALID_HANDLE_VALUE;
        }
    }
    ~SearchStack()
    {
        if (!handles_) {
            return;
        }
        for (int i = 0; i < levels_; ++i) {
            Close(i);
        }
        HeapFree(GetProcessHeap(), 0, handles_);
    }
    SearchStack(const SearchStack&) = delete;
    SearchStack& operator=(const SearchStack&) = delete;

    bool Ok() const { return handles_ != nullptr; }
    HANDLE& At(int level) { return handles_[level]; }
    void Close(int level)
    {
        if (handles_[level] != INVALID_HANDLE_VALUE) {
            FindClose(handles_[level]);
            handles_[level] = INVALID_HANDLE_VALUE;
        }
    }

private:
    int levels_;
    HANDLE* handles_;
};

bool TreeWalker::StartSearch(SearchStack& searches, const char* pattern, WIN32_FIND_DATAA& entry)
{
    // A pattern that would not fit its buffer counts as a search that found nothing.
    if (!Join(pattern_, kPatternSize, path_, pattern)) {
        return false;
    }
    searches.At(depth_) = FindFirst(pattern_, &entry);
    return searches.At(depth_) != INVALID_HANDLE_VALUE;
}

int TreeWalker::FilePass(SearchStack& searches, const char* pattern)
{
    WIN32_FIND_DATAA entry;
    if (!StartSearch(searches, pattern, entry)) {
        return 0;
    }
    int result = 0;
    do {
        if (!IsDirectory(entry) && OnFile(entry)) {
            result = 1;
            break;
        }
    } while (FindNextFileA(searches.At(depth_), &entry));
    searches.Close(depth_);
    return result;
}

bool TreeWalker::Qualifies(const WIN32_FIND_DATAA& entry, int includeSystem) const
{
    if (!IsDirectory(entry) || entry.cFileName[0] == '.') {
        return false;  // files, ".", ".." and every folder whose name starts with a dot
    }
    if (!includeSystem && (entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM)) {
        return false;
    }
    // The subfolder's path with its backslash must fit the path buffer; a longer one is
    // passed over rather than cut.
    return lstrlenA(path_) + lstrlenA(entry.cFileName) + 2 <= kPathSize;
}

int TreeWalker::EnterRoot(WIN32_FIND_DATAA* entry)
{
    // The root has no entry of its own: the callback is handed an empty one.
    ZeroMemory(entry, sizeof *entry);
    return OnEnterFolder(*entry);
}

bool TreeWalker::ExtendPath(const char* name)
{
    const int length = lstrlenA(path_);
    return Join(path_ + length, kPathSize - length, name, "\\");
}

int TreeWalker::EnterSubfolder(const WIN32_FIND_DATAA& entry)
{
    ++depth_;
    return OnEnterFolder(entry);
}

bool TreeWalker::LeaveFolder()
{
    if (--depth_ < 0) {
        return false;  // the root itself is done: the walk is over
    }
    TrimToParent();
    OnLeaveFolder();
    return true;
}

void TreeWalker::TrimToParent()
{
    // The path ends with a backslash; the separator before it ends the parent's path. In a
    // double-byte code page a name may hold the byte of a backslash (the second byte of 表
    // in 932), so the separators are found by the code page's rules.
    path_[LastSeparator(path_, lstrlenA(path_) - 1, rules_) + 1] = '\0';
}

int TreeWalker::Walk(const char* root, const char* pattern, int depthLimit, int includeSystem)
{
    if (depthLimit < 0) {
        depthLimit = 0;
    }
    if (lstrlenA(root) >= kPathSize) {
        return 0;
    }
    depth_ = 0;
    lstrcpyA(path_, root);
    rules_ = ActiveCodePageRules();
    // Listing a folder is the slow part of a walk (under Wine even more so). When the
    // pattern takes every name, one listing serves both the files and the subfolders.
    const bool everyName = lstrcmpA(pattern, "*.*") == 0 || lstrcmpA(pattern, "*") == 0;
    return everyName ? WalkOnePass(pattern, depthLimit, includeSystem)
                     : WalkTwoPass(pattern, depthLimit, includeSystem);
}

// The subfolders each open level still has to walk, kept in listing order: the entries of
// level d are [first, end) of one growing array, and deeper levels lie beyond them.
class TreeWalker::PendingFolders {
public:
    explicit PendingFolders(int levels)
    {
        levels_ = static_cast<Level*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY,
                                                sizeof(Level) * static_cast<SIZE_T>(levels)));
    }
    ~PendingFolders()
    {
        if (levels_) {
            HeapFree(GetProcessHeap(), 0, levels_);
        }
        if (entries_) {
            HeapFree(GetProcessHeap(), 0, entries_);
        }
    }
    PendingFolders(const PendingFolders&) = delete;
    PendingFolders& operator=(const PendingFolders&) = delete;

    bool Ok() const { return levels_ != nullptr; }
    void Open(int level) { levels_[level] = Level{count_, count_}; }
    bool Push(const WIN32_FIND_DATAA& entry)
    {
        if (count_ == capacity_) {
            const int capacity = capacity_ ? capacity_ * 2 : 64;
            const SIZE_T bytes = sizeof(WIN32_FIND_DATAA) * static_cast<SIZE_T>(capacity);
            if (!MayTakeMemory(bytes)) {
                return false;
            }
            void* grown = entries_ ? HeapReAlloc(GetProcessHeap(), 0, entries_, bytes)
                                   : HeapAlloc(GetProcessHeap(), 0, bytes);
            if (!grown) {
                return false;
            }
            entries_ = static_cast<WIN32_FIND_DATAA*>(grown);
            capacity_ = capacity;
        }
        entries_[count_++] = entry;
        return true;
    }
    // The next subfolder of a level, copied out; false when the level has none left.
    bool Next(int level, WIN32_FIND_DATAA* entry)
    {
        Level& open = levels_[level];
        if (open.next >= count_) {
            return false;
        }
        *entry = entries_[open.next++];
        return true;
    }
    // Forgets a level's entries once it is walked.
    void Close(int level) { count_ = levels_[level].first; }

private:
    struct Level {
        int first;
        int next;
    };
    Level* levels_ = nullptr;
    WIN32_FIND_DATAA* entries_ = nullptr;
    int count_ = 0;
    int capacity_ = 0;
};

int TreeWalker::ListFolder(PendingFolders& pending, const char* pattern, int depthLimit, int includeSystem)
{
    pending.Open(depth_);
    // Wine never fills in dwReserved0, the tag of a reparse point, and leaves what the record
    // held: zeroed, a link there carries tag 0, which is not trusted.
    WIN32_FIND_DATAA entry = {};
    if (!Join(pattern_, kPatternSize, path_, pattern)) {
        return 0;
    }
    HANDLE search = FindFirst(pattern_, &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return 0;
    }
    int result = 0;
    do {
        if (!IsDirectory(entry)) {
            if (OnFile(entry)) {
                result = 1;
                break;
            }
        } else if (depth_ < depthLimit && Qualifies(entry, includeSystem) && !pending.Push(entry)) {
            OnOutOfMemory();  // the rest of this folder cannot be held: the walk stops
            result = 1;
            break;
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return result;
}

int TreeWalker::WalkOnePass(const char* pattern, int depthLimit, int includeSystem)
{
    PendingFolders pending(depthLimit + 1);
    if (!pending.Ok()) {
        return 0;
    }
    WIN32_FIND_DATAA entry;
    if (EnterRoot(&entry)) {
        return 1;
    }
    for (;;) {
        if (ListFolder(pending, pattern, depthLimit, includeSystem)) {
            return 1;
        }
        if (depthLimit == 0) {
            return 0;
        }
        for (;;) {
            if (pending.Next(depth_, &entry)) {
                if (OnSubfolder(entry)) {
                    return 1;
                }
                if (!IsLink(entry) && ExtendPath(entry.cFileName)) {
                    break;
                }
                continue;
            }
            pending.Close(depth_);
            if (!LeaveFolder()) {
                return 0;
            }
        }
        if (EnterSubfolder(entry)) {
            return 1;
        }
    }
}

int TreeWalker::WalkTwoPass(const char* pattern, int depthLimit, int includeSystem)
{
    SearchStack searches(depthLimit + 1);
    if (!searches.Ok()) {
        return 0;
    }
    WIN32_FIND_DATAA entry;
    if (EnterRoot(&entry)) {
        return 1;
    }
    for (;;) {
        if (FilePass(searches, pattern)) {
            return 1;
        }
        if (depthLimit == 0) {
            return 0;
        }
        // A folder at the limit reports no subfolders, so its subfolder pass is not listed.
        bool more = depth_ < depthLimit && StartSearch(searches, "*", entry);
        for (;;) {
            if (more && depth_ < depthLimit) {
                if (Qualifies(entry, includeSystem)) {
                    if (OnSubfolder(entry)) {
                        return 1;
                    }
                    if (!IsLink(entry) && ExtendPath(entry.cFileName)) {
                        break;
                    }
                }
                more = FindNextFileA(searches.At(depth_), &entry);
                continue;
            }
            searches.Close(depth_);
            if (!LeaveFolder()) {
                return 0;
            }
            more = FindNextFileA(searches.At(depth_), &entry);
        }
        if (EnterSubfolder(entry)) {
            return 1;
        }
    }
}
