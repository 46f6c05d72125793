#pragma once
// From a predictor to resonances: the roots of its polynomial, found as the
// eigenvalues of the companion matrix (Eigen), each conjugate pair giving
// one resonance's frequency and bandwidth.
#include <vector>

namespace ejteto::phonetics {

struct Resonance {
    double hz = 0;
    double bandwidthHz = 0;
};

// The resonances of predictor `a` (as burgPredictor gives it) at `rate`,
// between 50 Hz and 50 Hz below the Nyquist frequency, lowest first.
std::vector<Resonance> predictorResonances(const std::vector<double>& a, double rate);

} // namespace ejteto::phonetics
