#include "pitch.h"

#include "resampler.h"

#include <algorithm>
#include <cmath>

namespace ejteto::phonetics {

namespace {

// The period shows in the low band; 4 kHz keeps it and costs little.
constexpr double kPitchRate = 4000;
constexpr double kLowestF0 = 60;
constexpr double kHighestF0 = 500;
// Three periods of the lowest voice.
constexpr double kWindowSec = 0.045;
// Above this a frame's self-similarity at its period is a voice's.
constexpr double kVoicedPeak = 0.4;
// A frame this far below the loudest frame is background, whatever its shape.
constexpr double kQuietBelowLoudestDb = 35;

} // namespace

std::vector<PitchFrame> trackPitch(const std::vector<float>& samples, double rate, double hopSec)
{
    const std::vector<float> x = resample(samples, rate, kPitchRate);
    const int window = static_cast<int>(kWindowSec * kPitchRate);
    const int shortest = static_cast<int>(std::floor(kPitchRate / kHighestF0));
    const int longest = static_cast<int>(std::ceil(kPitchRate / kLowestF0));
    const auto n = static_cast<int>(x.size());
    std::vector<PitchFrame> frames;
    if (n < window + longest)
        return frames;

    std::vector<double> energies;
    const int hop = std::max(1, static_cast<int>(hopSec * kPitchRate));
    for (int start = 0; start + window + longest <= n; start += hop) {
        const float* a = x.data() + start;
        double e0 = 0;
        for (int i = 0; i < window; ++i)
            e0 += double(a[i]) * a[i];
        energies.push_back(e0);
        std::vector<double> r(static_cast<size_t>(longest + 2), 0.0);
        double best = 0;
        int bestLag = 0;
        for (int lag = shortest - 1; lag <= longest + 1; ++lag) {
            double cross = 0, e1 = 0;
            for (int i = 0; i < window; ++i) {
                cross += double(a[i]) * a[i + lag];
                e1 += double(a[i + lag]) * a[i + lag];
            }
            const double value = e0 > 0 && e1 > 0 ? cross / std::sqrt(e0 * e1) : 0;
            r[static_cast<size_t>(lag)] = value;
        }
        for (int lag = shortest; lag <= longest; ++lag) {
            const double v = r[static_cast<size_t>(lag)];
            if (v > r[static_cast<size_t>(lag - 1)] && v >= r[static_cast<size_t>(lag + 1)] && v > best) {
                best = v;
                bestLag = lag;
            }
        }
        PitchFrame frame;
        frame.timeSec = (start + window / 2.0) / kPitchRate;
        if (bestLag > 0 && best > kVoicedPeak) {
            // The first peak nearly as high as the best is the period; the
            // best may be a multiple of it.
            for (int lag = shortest; lag < bestLag; ++lag) {
                const double v = r[static_cast<size_t>(lag)];
                if (v > r[static_cast<size_t>(lag - 1)] && v >= r[static_cast<size_t>(lag + 1)] && v > 0.9 * best) {
                    bestLag = lag;
                    break;
                }
            }
            const double left = r[static_cast<size_t>(bestLag - 1)], mid = r[static_cast<size_t>(bestLag)],
                         right = r[static_cast<size_t>(bestLag + 1)];
            const double curve = left - 2 * mid + right;
            const double shift = curve < 0 ? 0.5 * (left - right) / curve : 0;
            frame.f0 = kPitchRate / (bestLag + std::clamp(shift, -0.5, 0.5));
        }
        frames.push_back(frame);
    }
    const double loudest = *std::max_element(energies.begin(), energies.end());
    const double floor = loudest * std::pow(10.0, -kQuietBelowLoudestDb / 10);
    for (size_t i = 0; i < frames.size(); ++i)
        if (energies[i] < floor)
            frames[i].f0 = 0;
    return frames;
}

} // namespace ejteto::phonetics
