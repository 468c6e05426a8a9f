#pragma once
// Shared by the benchmarks: a monotonic clock in seconds.
#include <windows.h>

namespace bench {

inline double Now() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

}  // namespace bench
