// The growable, zero-filled block of memory under the folder index.
#include "index/RecordBlock.h"

#include "index/MemoryGate.h"

namespace {

// Address space set aside for a block that may grow: room for some 16 million records, more
// folders than a disk holds. Only what is committed takes memory, and committed pages start
// zeroed. (Wine keeps a byte per page of a reservation, a quarter of a megabyte per GiB.)
constexpr SIZE_T kGrowthRoom = SIZE_T{1} << 32;

void* Commit(void* block, SIZE_T bytes)
{
    return VirtualAlloc(block, bytes, MEM_COMMIT, PAGE_READWRITE);
}

}  // namespace

RecordBlock::~RecordBlock()
{
    Release();
}

void* RecordBlock::Allocate(int capacity, int growthStep, int elementSize)
{
    capacity_ = capacity;
    growthStep_ = growthStep;
    elementSize_ = elementSize;
    valid_ = 1;
    Release();
    const SIZE_T bytes = static_cast<SIZE_T>(static_cast<unsigned>(capacity)) * static_cast<SIZE_T>(elementSize);
    if (bytes && MayTakeMemory(bytes)) {
        if (growthStep > 0 && bytes < kGrowthRoom) {
            Reserve(kGrowthRoom);
        }
        if (!memory_) {
            Reserve(bytes);  // no room to grow into: a later growth moves the block
        }
        if (memory_ && !Commit(memory_, bytes)) {
            Release();
        }
    }
    if (!memory_) {
        capacity_ = 0;
        valid_ = 0;
    }
    return memory_;
}

void* RecordBlock::Grow()
{
    const SIZE_T used = static_cast<SIZE_T>(capacity_) * static_cast<SIZE_T>(elementSize_);
    const SIZE_T bytes = static_cast<SIZE_T>(capacity_ + growthStep_) * static_cast<SIZE_T>(elementSize_);
    if (!memory_ || !MayTakeMemory(bytes)) {
        valid_ = 0;
        return memory_;
    }
    // Within the address space set aside the block grows where it is: nothing is copied, and
    // the old and the new size are never held at once.
    if (bytes <= reserved_ ? Commit(memory_, bytes) != nullptr : Move(used, bytes)) {
        capacity_ += growthStep_;
    } else {
        valid_ = 0;
    }
    return memory_;
}

void RecordBlock::Release()
{
    if (memory_) {
        VirtualFree(memory_, 0, MEM_RELEASE);
        memory_ = nullptr;
        reserved_ = 0;
    }
}

void RecordBlock::Reserve(SIZE_T bytes)
{
    memory_ = VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS);
    reserved_ = memory_ ? bytes : 0;
}

bool RecordBlock::Move(SIZE_T used, SIZE_T bytes)
{
    void* old = memory_;
    const SIZE_T oldReserved = reserved_;
    Reserve(bytes + kGrowthRoom);
    if (memory_ && Commit(memory_, bytes)) {
        CopyMemory(memory_, old, used);
        VirtualFree(old, 0, MEM_RELEASE);
        return true;
    }
    if (memory_) {
        VirtualFree(memory_, 0, MEM_RELEASE);
    }
    memory_ = old;
    reserved_ = oldReserved;
    return false;
}
