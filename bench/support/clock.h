#pragma once
// The one clock of every figure: CLOCK_MONOTONIC, the clock the program's
// start marks use, so times taken in two processes compare directly.
#include <cstdint>
#include <ctime>

namespace ejteto::bench {

inline int64_t nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

inline double msBetween(int64_t fromNs, int64_t toNs) { return static_cast<double>(toNs - fromNs) / 1e6; }

} // namespace ejteto::bench
