#include "resampler.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace ejteto::phonetics {

namespace {

// Zero crossings of the sinc kept either side, counted at the lower rate.
constexpr int kHalfZeros = 8;
// Table entries per input sample: the kernel is read at the nearest entry,
// a timing error below a two-hundredth of a sample.
constexpr int kSteps = 128;

} // namespace

Resampler::Resampler(double fromRate, double toRate) : step_(fromRate / toRate), steps_(kSteps)
{
    // Cut-off as a fraction of the input rate's Nyquist frequency.
    const double cut = 0.95 * std::min(1.0, toRate / fromRate);
    half_ = kHalfZeros / cut;
    const long entries = static_cast<long>(std::ceil(half_ * steps_));
    table_.resize(static_cast<size_t>(2 * entries + 1));
    // The sine of the sinc and the cosine of the window advance by fixed
    // angles from entry to entry: turned by rotation rather than computed
    // anew, the table costs a few multiplications an entry.
    const double sincStep = std::numbers::pi * cut / steps_;
    const double windowStep = std::numbers::pi / (half_ * steps_);
    const std::complex<double> sincTurn = std::polar(1.0, sincStep), windowTurn = std::polar(1.0, windowStep);
    std::complex<double> sincAt(1, 0), windowAt(1, 0);
    for (long i = 0; i <= entries; ++i) {
        const double x = sincStep * double(i);
        const double sinc = i == 0 ? 1.0 : sincAt.imag() / x;
        const double w = double(i) < half_ * steps_ ? 0.5 + 0.5 * windowAt.real() : 0.0;
        const auto value = static_cast<float>(cut * sinc * w);
        table_[static_cast<size_t>(entries + i)] = value;
        table_[static_cast<size_t>(entries - i)] = value;
        sincAt *= sincTurn;
        windowAt *= windowTurn;
    }
}

std::vector<float> Resampler::range(const std::vector<float>& input, long first, long count) const
{
    std::vector<float> out(static_cast<size_t>(std::max(0L, count)), 0.0f);
    if (input.empty())
        return out;
    const long last = static_cast<long>(input.size()) - 1;
    const long centre = static_cast<long>(table_.size() / 2);
    for (long n = 0; n < count; ++n) {
        const double t = double(first + n) * step_;
        const long from = std::max(0L, static_cast<long>(std::ceil(t - half_)));
        const long to = std::min(last, static_cast<long>(std::floor(t + half_)));
        if (from > to)
            continue;
        // Entry of tap `from`; each later tap lies one input sample on.
        long index = centre + std::lround((double(from) - t) * steps_);
        float sum = 0;
        const float* x = input.data();
        for (long k = from; k <= to; ++k, index += steps_)
            sum += table_[static_cast<size_t>(index)] * x[k];
        out[static_cast<size_t>(n)] = sum;
    }
    return out;
}

std::vector<float> Resampler::all(const std::vector<float>& input) const
{
    if (step_ == 1.0)
        return input;
    return range(input, 0, static_cast<long>(std::floor(double(input.size()) / step_)));
}

} // namespace ejteto::phonetics
