#pragma once
// The program's single pseudo-random source: a 32-bit linear congruential
// generator, seeded once per run from a high-resolution clock.
#include <cstdint>

namespace ejteto {

class RandomSource {
public:
    void seed(uint32_t state) { state_ = state; }
    void seedFromClock();
    uint32_t state() const { return state_; }

    // A uniform integer 0..n-1; 0 when n is 0 or negative, so a caller with
    // empty content never gets a value outside its range.
    int32_t next(int32_t n);

private:
    uint32_t state_ = 0;
};

// The program-wide generator and its draw, used by every module.
RandomSource& programRandom();
int32_t Random(int32_t n);

} // namespace ejteto
