// Whether the folder index and the tree walker may take more memory from the system.
#include "index/MemoryGate.h"

namespace {
bool LeaveItToTheSystem(SIZE_T)
{
    return true;
}
}  // namespace

MemoryGateFunction MayTakeMemory = LeaveItToTheSystem;
