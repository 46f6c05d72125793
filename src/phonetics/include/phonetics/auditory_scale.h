#pragma once
// Distances between vowels as the ear weighs them: the Bark scale
// (Traunmüller 1990), on which a step means about the same at 300 Hz as at
// 2000 Hz.
#include "phonetics/vowel_measurement.h"

#include <cmath>

namespace ejteto::phonetics {

inline double hzToBark(double hz) { return 26.81 * hz / (1960 + hz) - 0.53; }
inline double barkToHz(double bark) { return 1960 * (bark + 0.53) / (26.28 - bark); }

// The distance of two points on the F1-F2 plane, in Bark.
inline double barkDistance(const FormantPoint& a, const FormantPoint& b)
{
    return std::hypot(hzToBark(a.f1) - hzToBark(b.f1), hzToBark(a.f2) - hzToBark(b.f2));
}

} // namespace ejteto::phonetics
