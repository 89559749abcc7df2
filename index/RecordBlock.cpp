// The growable, zero-filled block of memory under the folder index.
#include "index/RecordBlock.h"

#include "index/MemoryGate.h"

RecordBlock::~RecordBlock() { Release(); }

void* RecordBlock::Allocate(int capacity, int growthStep, int elementSize)
{
    capacity_ = capacity;
    growthStep_ = growthStep;
    elementSize_ = elementSize;
    valid_ = 1;
    Release();
    const SIZE_T bytes = static_cast<SIZE_T>(static_cast<unsigned>(capacity)) * static_cast<SIZE_T>(elementSize);
    memory_ = bytes && MayTakeMemory(bytes) ? GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, bytes) : nullptr;
    if (!memory_) {
        capacity_ = 0;
        valid_ = 0;
    }
    return memory_;
}

void* RecordBlock::Grow()
{
    const SIZE_T bytes = static_cast<SIZE_T>(capacity_ + growthStep_) * static_cast<SIZE_T>(elementSize_);
    // GMEM_MOVEABLE lets the block move; with GMEM_FIXED memory the handle stays the pointer.
    void* grown =
        memory_ && MayTakeMemory(bytes) ? GlobalReAlloc(memory_, bytes, GMEM_MOVEABLE | GMEM_ZEROINIT) : nullptr;
    if (grown) {
        memory_ = grown;
        capacity_ += growthStep_;
    } else {
        valid_ = 0;
    }
    return memory_;
}

void RecordBlock::Release()
{
    if (memory_) {
        GlobalFree(memory_);
        memory_ = nullptr;
    }
}
