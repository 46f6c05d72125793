#pragma once
// Sampling-rate conversion by a windowed sinc whose cut-off lies just below
// the lower of the two Nyquist frequencies, so nothing folds back into the
// band the formants are measured in.
#include <cstddef>
#include <vector>

namespace ejteto::phonetics {

class Resampler {
public:
    Resampler(double fromRate, double toRate);

    // Samples [first, first + count) of `input` at the new rate, sample 0
    // of both lying at the same moment; outside the input counts as silence.
    // Only the stretches a caller measures need converting.
    std::vector<float> range(const std::vector<float>& input, long first, long count) const;
    std::vector<float> all(const std::vector<float>& input) const;

private:
    double step_;              // input samples per output sample
    double half_;              // kernel half-width in input samples
    int steps_;                // table entries per input sample
    std::vector<float> table_; // the kernel from -half_ to +half_
};

inline std::vector<float> resample(const std::vector<float>& input, double fromRate, double toRate)
{
    return Resampler(fromRate, toRate).all(input);
}

} // namespace ejteto::phonetics
