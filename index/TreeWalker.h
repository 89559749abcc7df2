// Depth-first walk of one directory tree, without recursion, reported through callbacks.
#pragma once

#include <windows.h>

#include "index/PathText.h"

class TreeWalker {
public:
    static constexpr int kPatternSize = 300;
    static constexpr int kPathSize = 260;

    virtual ~TreeWalker() = default;

    // Walks root (a folder path ending with a backslash) down to depthLimit levels below
    // it. Returns 1 when a callback stopped the walk, 0 when it ran to its end. A root that
    // does not fit the path buffer is not walked (result 0).
    int Walk(const char* root, const char* pattern, int depthLimit, int includeSystem);

protected:
    // Called after a folder below the root was walked and the path is back at its parent.
    virtual void OnLeaveFolder() {}
    // Each entry of the current folder that matches the pattern and is not a directory.
    virtual int OnFile(const WIN32_FIND_DATAA& /*entry*/) { return 0; }
    // Once for the root (the entry is empty then) and for every folder entered.
    virtual int OnEnterFolder(const WIN32_FIND_DATAA& /*entry*/) { return 0; }
    // Every subfolder that qualifies for descent, while the path is still the parent's.
    virtual int OnSubfolder(const WIN32_FIND_DATAA& /*entry*/) { return 0; }
    // The subfolders of the current folder could not all be held (no memory); the walk
    // stops after this, with result 1.
    virtual void OnOutOfMemory() {}

    // The current folder's path, always ending with a backslash, and its level (root = 0).
    const char* Path() const { return path_; }
    int Depth() const { return depth_; }

private:
    class SearchStack;
    class PendingFolders;

    // One listing per folder when the pattern matches every name; two passes otherwise.
    int WalkOnePass(const char* pattern, int depthLimit, int includeSystem);
    int WalkTwoPass(const char* pattern, int depthLimit, int includeSystem);
    int ListFolder(PendingFolders& pending, const char* pattern, int depthLimit, int includeSystem);
    int FilePass(SearchStack& searches, const char* pattern);
    bool Qualifies(const WIN32_FIND_DATAA& entry, int includeSystem) const;
    int EnterRoot(WIN32_FIND_DATAA* entry);
    // Appends a subfolder's name and a backslash to the path; false, the path unchanged, when
    // they would not fit. The subfolder is then not entered.
    bool ExtendPath(const char* name);
    int EnterSubfolder(const WIN32_FIND_DATAA& entry);
    // Back to the parent after a folder's subtree; false when the root itself is done.
    bool LeaveFolder();
    bool StartSearch(SearchStack& searches, const char* pattern, WIN32_FIND_DATAA& entry);
    void TrimToParent();

    int depth_ = 0;
    CodePageRules rules_;  // of the active code page, read once per walk
    char pattern_[kPatternSize] = {};
    char path_[kPathSize] = {};
};
