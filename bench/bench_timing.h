#pragma once
// Timing for the benchmark programs: the median time per call over batches.
#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

// Seconds from the performance counter.
inline double now() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(frequency.QuadPart);
}

// Median over batches of the time per call, in microseconds; call gets the
// number of the call within its batch.
template <class F>
double microsecondsPerCall(int batches, int callsPerBatch, F call) {
    std::vector<double> perCall;
    for (int b = 0; b < batches; ++b) {
        const double start = now();
        for (int i = 0; i < callsPerBatch; ++i) call(i);
        perCall.push_back((now() - start) * 1e6 / callsPerBatch);
    }
    std::sort(perCall.begin(), perCall.end());
    return perCall[perCall.size() / 2];
}

}  // namespace bench
