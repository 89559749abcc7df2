// The walker that records every folder of a drive in the folder index.
#include "index/FolderCollector.h"

int FolderCollector::OnSubfolder(const WIN32_FIND_DATAA& entry)
{
    if (observer_) {
        observer_->ShowListing(Path());
    }
    if (!index_.Append(Path(), entry.cFileName)) {
        if (observer_) {
            observer_->ReportOutOfMemory();
        }
        return 1;
    }
    return observer_ ? observer_->KeepResponsive() : 0;
}

void FolderCollector::OnOutOfMemory()
{
    if (observer_) {
        observer_->ReportOutOfMemory();
    }
}
