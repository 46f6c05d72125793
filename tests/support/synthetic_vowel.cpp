#include "support/synthetic_vowel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ejteto::testing {

namespace {

constexpr double kPi = std::numbers::pi;

// Klatt's two-pole resonator.
struct Resonator {
    double y1 = 0, y2 = 0;
    double step(double x, double hz, double bandwidth, double rate)
    {
        const double t = 1.0 / rate;
        const double c = -std::exp(-2 * kPi * bandwidth * t);
        const double b = 2 * std::exp(-kPi * bandwidth * t) * std::cos(2 * kPi * hz * t);
        const double a = 1 - b - c;
        const double y = a * x + b * y1 + c * y2;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// Bandwidths grow with frequency, as a vocal tract's losses do.
double bandwidthOf(double hz) { return 50 + 0.04 * hz; }

std::array<double, 7> manWith(double f1, double f2, double f3, double scale)
{
    return {f1 * scale, f2 * scale, f3 * scale, 3500 * scale, 4500 * scale, 5500 * scale, 6500 * scale};
}

} // namespace

SyntheticVowel monophthong(double f1, double f2, double f3, double scale, double f0)
{
    SyntheticVowel v;
    v.from = v.to = manWith(f1, f2, f3, scale);
    v.f0 = f0;
    return v;
}

SyntheticVowel diphthong(std::array<double, 3> from, std::array<double, 3> to, double scale, double f0)
{
    SyntheticVowel v;
    v.from = manWith(from[0], from[1], from[2], scale);
    v.to = manWith(to[0], to[1], to[2], scale);
    v.f0 = f0;
    return v;
}

std::vector<qint16> synthesize(const SyntheticVowel& v)
{
    const double rate = v.sampleRate;
    const auto count = static_cast<size_t>(v.seconds * rate);
    std::vector<double> out(count);
    std::array<Resonator, 7> tract;
    Resonator glottis; // at 0 Hz: the pulses' spectrum falls 12 dB an octave
    double phase = 1, lastLip = 0;
    for (size_t n = 0; n < count; ++n) {
        const double t = double(n) / rate;
        // A slight vibrato, as no voice holds its pitch exactly.
        phase += v.f0 * (1 + 0.01 * std::sin(2 * kPi * 5 * t)) / rate;
        double x = 0;
        if (phase >= 1) {
            phase -= 1;
            x = 1;
        }
        x = glottis.step(x, 0, 100, rate);
        // The glide runs from 30 to 70 % of the vowel, so its ends hold
        // still where an analysis measures them (25 and 75 %).
        const double along = std::clamp((t / v.seconds - 0.3) / 0.4, 0.0, 1.0);
        for (size_t k = 0; k < tract.size(); ++k) {
            const double hz = v.from[k] + along * (v.to[k] - v.from[k]);
            if (hz < 0.45 * rate)
                x = tract[k].step(x, hz, bandwidthOf(hz), rate);
        }
        out[n] = x - lastLip; // radiation at the lips
        lastLip = x;
    }
    double loudest = 0;
    for (double s : out)
        loudest = std::max(loudest, std::abs(s));
    std::vector<qint16> pcm(count);
    const double fade = 0.03 * rate;
    for (size_t n = 0; n < count; ++n) {
        const double ramp = std::min({1.0, double(n) / fade, double(count - n) / fade});
        pcm[n] = static_cast<qint16>(std::lround(out[n] / loudest * v.peak * 32767 * ramp));
    }
    return pcm;
}

} // namespace ejteto::testing
