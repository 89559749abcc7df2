// The in-memory folder index: one contiguous array of records, its count and capacity.
#include "index/FolderIndex.h"

#include <windows.h>

bool FolderIndex::Reset(unsigned n)
{
    count_ = 0;
    if (static_cast<unsigned>(capacity_) < n) {
        block_.Release();
        capacity_ = 0;
    }
    if (capacity_ != 0) {
        // Large enough already: keep the array (it is never shrunk) and clear it.
        ZeroMemory(records_, static_cast<SIZE_T>(capacity_) * sizeof(FolderRecord));
        return true;
    }
    records_ = static_cast<FolderRecord*>(block_.Allocate(static_cast<int>(n), kGrowthStep, sizeof(FolderRecord)));
    capacity_ = block_.Capacity();
    if (capacity_ == 0) {
        records_ = nullptr;
        return false;
    }
    capacity_ = static_cast<int>(n);
    return true;
}

bool FolderIndex::Append(const char* parentPath, const char* ownName)
{
    if (count_ >= capacity_) {
        return false;  // no array, or a growth that failed earlier: there is no free slot
    }
    FolderRecord& record = records_[count_];
    const int parentLength = lstrlenA(parentPath);
    record.nameOffset = static_cast<uint32_t>(parentLength);
    lstrcpynA(record.path, parentPath, kPathSize);
    lstrcpynA(record.path + parentLength, ownName, kPathSize - parentLength);
    ++count_;
    if (count_ == capacity_) {
        records_ = static_cast<FolderRecord*>(block_.Grow());
        capacity_ = block_.Capacity();
        if (capacity_ == count_) {
            return false;
        }
    }
    return true;
}

void FolderIndex::SetCount(int count)
{
    count_ = count < 0 ? 0 : (count > capacity_ ? capacity_ : count);
}
