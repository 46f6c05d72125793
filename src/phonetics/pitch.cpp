#include "pitch.h"

#include "burg.h"
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
constexpr double kPitchWindowSec = 0.045;
// A peak at a half or third of the best lag this high against the best is
// the voice's period, the best one its multiple.
constexpr double kSubmultiplePeak = 0.8;
// Predictor order that flattens the low band's resonances.
constexpr int kWhitening = 4;
// Above this a frame's self-similarity at its period is a voice's.
constexpr double kVoicedPeak = 0.4;
// A frame this far below the loudest frame is background, whatever its shape.
constexpr double kQuietBelowLoudestDb = 35;

} // namespace

std::vector<PitchFrame> trackPitch(const std::vector<float>& samples, double rate, double hopSec)
{
    const std::vector<float> x = resample(samples, rate, kPitchRate);
    const int window = static_cast<int>(kPitchWindowSec * kPitchRate);
    const int shortest = static_cast<int>(std::floor(kPitchRate / kHighestF0));
    const int longest = static_cast<int>(std::ceil(kPitchRate / kLowestF0));
    const auto n = static_cast<int>(x.size());
    std::vector<PitchFrame> frames;
    if (n < window + longest + kWhitening)
        return frames;

    std::vector<double> energies;
    const int hop = std::max(1, static_cast<int>(hopSec * kPitchRate));
    const int segment = window + longest + kWhitening;
    std::vector<float> residual(static_cast<size_t>(segment));
    for (int start = 0; start + segment <= n; start += hop) {
        // The vowel's own resonances ring at periods of their own, and a
        // strong F1 can outdo the voice's period; the prediction residual
        // keeps the pulses and drops the ringing.
        const float* seg = x.data() + start;
        const std::vector<double> p = burgPredictor(std::vector<double>(seg, seg + segment), kWhitening);
        for (int i = kWhitening; i < segment; ++i) {
            double e = seg[i];
            for (int k = 1; !p.empty() && k <= kWhitening; ++k)
                e -= p[static_cast<size_t>(k)] * seg[i - k];
            residual[static_cast<size_t>(i - kWhitening)] = static_cast<float>(e);
        }
        // Sharp pulses decorrelate at a lag a fraction of a sample off the
        // period; a gentle smoothing keeps a period that falls between two
        // samples from losing to its double.
        float before = residual[0];
        for (size_t i = 1; i + 1 < residual.size(); ++i) {
            const float here = residual[i];
            residual[i] = 0.25f * before + 0.5f * here + 0.25f * residual[i + 1];
            before = here;
        }
        const float* a = residual.data();
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
        frame.timeSec = (start + kWhitening + window / 2.0) / kPitchRate;
        if (bestLag > 0 && best > kVoicedPeak) {
            // A peak nearly as high at a half, third or quarter of the best
            // lag is the period; the best is then a multiple of it.
            for (int m = 4; m >= 2; --m) {
                const int lag = static_cast<int>(std::lround(double(bestLag) / m));
                if (lag < shortest)
                    continue;
                int peak = lag;
                for (int l = std::max(shortest, lag - 1); l <= std::min(longest, lag + 1); ++l)
                    if (r[static_cast<size_t>(l)] > r[static_cast<size_t>(peak)])
                        peak = l;
                if (r[static_cast<size_t>(peak)] > kSubmultiplePeak * best) {
                    bestLag = peak;
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
