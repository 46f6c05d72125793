#include "app/random_source.h"

#include <chrono>

namespace ejteto {

void RandomSource::seedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    state_ = static_cast<uint32_t>(ticks);
}

int32_t RandomSource::next(int32_t n)
{
    state_ = state_ * 134775813u + 1u;
    if (n <= 0)
        return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(state_) * static_cast<uint32_t>(n)) >> 32);
}

RandomSource& programRandom()
{
    static RandomSource source;
    return source;
}

int32_t Random(int32_t n) { return programRandom().next(n); }

} // namespace ejteto
