// The walker that records every folder of a drive in the folder index.
#pragma once

#include "index/FolderIndex.h"
#include "index/TreeWalker.h"

// What the collector needs from the program while it walks: the status line, the
// responsiveness of the windows and the out-of-memory report.
class ScanObserver {
public:
    // The folder whose subfolders are being listed (ends with a backslash).
    virtual void ShowListing(const char* parentPath) = 0;
    // Lets queued messages through; nonzero stops the walk (the program is closing).
    virtual int KeepResponsive() = 0;
    // The index or the walker's list of folders to walk could not grow; the walk stops
    // after this.
    virtual void ReportOutOfMemory() = 0;

protected:
    ~ScanObserver() = default;
};

class FolderCollector : public TreeWalker {
public:
    static constexpr int kDepthLimit = 16;

    FolderIndex& Index() { return index_; }
    const FolderIndex& Index() const { return index_; }
    void SetObserver(ScanObserver* observer) { observer_ = observer; }

protected:
    int OnSubfolder(const WIN32_FIND_DATAA& entry) override;
    void OnOutOfMemory() override;

private:
    FolderIndex index_;
    ScanObserver* observer_ = nullptr;
};
