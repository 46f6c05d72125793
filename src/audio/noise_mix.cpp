#include "audio/noise_mix.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ejteto {

namespace {
constexpr int kPadMs = 200;

// A small generator of its own, so the noise of a trial does not move the
// program's random source.
class Xorshift {
public:
    explicit Xorshift(uint32_t seed) : s_(seed ? seed : 0x9E3779B9u) {}
    double uniform() // -1..1
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return double(s_) / double(std::numeric_limits<uint32_t>::max()) * 2.0 - 1.0;
    }

private:
    uint32_t s_;
};
} // namespace

PcmAudio mixNoise(const PcmAudio& speech, int snrDb, uint32_t seed)
{
    const double level = voicedLevelDbfs(speech);
    if (!std::isfinite(level))
        return speech;
    const size_t pad = size_t(speech.sampleRate) * kPadMs / 1000;
    const size_t n = speech.samples.size() + 2 * pad;
    // White noise through a one-pole low-pass: most of its energy where the
    // vowels' formants are, as with a room of talkers.
    std::vector<double> noise(n);
    Xorshift rng(seed);
    const double a = std::exp(-2.0 * M_PI * 800.0 / speech.sampleRate);
    double y = 0;
    double sum = 0;
    for (double& v : noise) {
        y = (1 - a) * rng.uniform() + a * y;
        v = y;
        sum += y * y;
    }
    const double rms = std::sqrt(sum / double(n));
    const double target = 32768.0 * std::pow(10.0, (level - snrDb) / 20.0);
    const double gain = rms > 0 ? target / rms : 0;
    std::vector<double> mix(n);
    double peak = 0;
    for (size_t i = 0; i < n; ++i) {
        const double voice = (i >= pad && i < pad + speech.samples.size()) ? speech.samples[i - pad] : 0.0;
        mix[i] = voice + noise[i] * gain;
        peak = std::max(peak, std::abs(mix[i]));
    }
    const double scale = peak > 32000.0 ? 32000.0 / peak : 1.0;
    PcmAudio out;
    out.sampleRate = speech.sampleRate;
    out.samples.resize(n);
    for (size_t i = 0; i < n; ++i)
        out.samples[i] = int16_t(std::lround(mix[i] * scale));
    return out;
}

} // namespace ejteto
