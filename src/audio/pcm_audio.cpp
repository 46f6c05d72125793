#include "audio/pcm_audio.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace ejteto {

namespace {
// Samples below a tenth of the peak are pauses and fades, not voice.
constexpr double kGateRatio = 0.1;
} // namespace

PcmAudio mixedToMono(const PcmAudio& audio)
{
    if (audio.channels <= 1)
        return audio;
    PcmAudio out;
    out.sampleRate = audio.sampleRate;
    const auto channels = size_t(audio.channels);
    out.samples.resize(audio.samples.size() / channels);
    for (size_t f = 0; f < out.samples.size(); ++f) {
        int sum = 0;
        for (size_t c = 0; c < channels; ++c)
            sum += audio.samples[f * channels + c];
        out.samples[f] = int16_t(sum / int(channels));
    }
    return out;
}

double voicedLevelDbfs(const PcmAudio& audio)
{
    int peak = 0;
    for (const int16_t v : audio.samples)
        peak = std::max(peak, std::abs(int(v)));
    if (peak == 0)
        return -std::numeric_limits<double>::infinity();
    const double gate = peak * kGateRatio;
    double sum = 0;
    size_t n = 0;
    for (const int16_t v : audio.samples) {
        if (std::abs(int(v)) >= gate) {
            sum += double(v) * double(v);
            ++n;
        }
    }
    return 20.0 * std::log10(std::sqrt(sum / double(n)) / 32768.0);
}

} // namespace ejteto
