// Timing and reporting shared by the benchmarks.
#pragma once

#include <windows.h>

#include <cstdio>

// Seconds since an arbitrary start, from the performance counter.
inline double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One line of the report: what was measured, the figure, and its ratio to a reference.
inline void Report(const char* what, double seconds, double reference, const char* referenceName)
{
    std::printf("| %s | %.3f s | %.3f s (%s) | %.2f |\n", what, seconds, reference, referenceName,
                reference > 0 ? seconds / reference : 0.0);
    std::fflush(stdout);
}
