#pragma once
// Linear prediction by Burg's method: the predictor that minimises forward
// and backward errors together, which stays stable on the short frames of a
// vowel where the autocorrelation method blurs close formants.
#include <cstddef>
#include <vector>

namespace ejteto::phonetics {

// Predictor coefficients a[1..order] of x[n] ~ sum a[k] x[n-k] (a[0] unused),
// or an empty vector when the frame is too short or silent.
std::vector<double> burgPredictor(const std::vector<double>& frame, int order);

} // namespace ejteto::phonetics
