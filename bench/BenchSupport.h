#pragma once
// Small helpers every bench shares: the process's CPU time and a percentile of a set of
// measurements. Not for program code.

#include <algorithm>
#include <ctime>
#include <vector>

namespace bench {

// CPU time this process has used (all threads, user and system), in seconds. Wall time
// also counts other programs on the machine; this does not.
inline double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// The value at fraction p (0 = smallest, 0.5 = median, 1 = largest) of a non-empty set,
// the nearest rank.
inline double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const std::size_t i = std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5));
    return values[i];
}

} // namespace bench
