// Whether the folder index and the tree walker may take more memory from the system.
#pragma once

#include <windows.h>

// Asked before each allocation that makes or grows the record array or the walker's list of
// pending folders. The program always lets the system decide; a test replaces the function
// to run out of memory at a chosen moment, which cannot be brought about for real on demand.
using MemoryGateFunction = bool (*)(SIZE_T bytes);

extern MemoryGateFunction MayTakeMemory;
