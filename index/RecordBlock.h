// The growable, zero-filled block of memory under the folder index.
#pragma once

#include <windows.h>

class RecordBlock {
public:
    RecordBlock() = default;
    ~RecordBlock();
    RecordBlock(const RecordBlock&) = delete;
    RecordBlock& operator=(const RecordBlock&) = delete;

    // Replaces any block by capacity x elementSize zeroed bytes; null on failure.
    void* Allocate(int capacity, int growthStep, int elementSize);
    // Adds growthStep zeroed elements, keeping the contents; the block may move. On
    // failure the block and capacity stay as they were. Returns the current block.
    void* Grow();
    void Release();

    int Capacity() const { return capacity_; }
    void* Memory() const { return memory_; }

private:
    int valid_ = 0;
    int capacity_ = 0;
    int growthStep_ = 0;
    int elementSize_ = 0;
    void* memory_ = nullptr;
};
