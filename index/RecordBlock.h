// The growable, zero-filled block of memory under the folder index.
#pragma once

#include <windows.h>

class RecordBlock {
public:
    RecordBlock() = default;
    ~RecordBlock();
    RecordBlock(const RecordBlock&) = delete;
    RecordBlock& operator=(const RecordBlock&) = delete;

    // Replaces any block by capacity x elementSize zeroed bytes; null on failure. A block
    // with a growth step sets address space aside to grow into.
    void* Allocate(int capacity, int growthStep, int elementSize);
    // Adds growthStep zeroed elements, keeping the contents; the block moves only when it
    // outgrows the address space set aside. On failure the block and capacity stay as they
    // were. Returns the current block.
    void* Grow();
    void Release();

    int Capacity() const { return capacity_; }
    void* Memory() const { return memory_; }

private:
    // Sets bytes of address space aside as the block (nothing committed); null on failure.
    void Reserve(SIZE_T bytes);
    // Moves the block's used bytes into a new, larger reservation with bytes committed.
    bool Move(SIZE_T used, SIZE_T bytes);

    int valid_ = 0;
    int capacity_ = 0;
    int growthStep_ = 0;
    int elementSize_ = 0;
    void* memory_ = nullptr;
    SIZE_T reserved_ = 0;  // bytes of address space set aside at memory_
};
