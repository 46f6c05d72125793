#include "audio/pcm_shaping.h"

#include "app/app_error.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace ejteto {

namespace {
// About -46 dBFS: below espeak-ng's breath noise, above its dither.
constexpr int kSilenceThreshold = 160;
constexpr int kFadeMs = 8;
} // namespace

PcmAudio trimSilence(const PcmAudio& audio, int keepMs)
{
    PcmAudio out;
    out.sampleRate = audio.sampleRate;
    const auto& s = audio.samples;
    const auto loud = [](int16_t v) { return std::abs(int(v)) > kSilenceThreshold; };
    const auto first = std::find_if(s.begin(), s.end(), loud);
    if (first == s.end())
        return out;
    const auto last = std::find_if(s.rbegin(), s.rend(), loud).base();
    const ptrdiff_t keep = ptrdiff_t(audio.sampleRate) * keepMs / 1000;
    const auto from = first - std::min(keep, first - s.begin());
    const auto to = last + std::min(keep, s.end() - last);
    out.samples.assign(from, to);
    const size_t fade = std::min(out.samples.size(), size_t(audio.sampleRate * kFadeMs / 1000));
    for (size_t i = 0; i < fade; ++i) {
        int16_t& v = out.samples[out.samples.size() - 1 - i];
        v = int16_t(double(v) * double(i) / double(fade));
    }
    return out;
}

PcmAudio normalizeLoudness(const PcmAudio& audio, double targetDbfs)
{
    const double level = voicedLevelDbfs(audio);
    if (!std::isfinite(level))
        return audio;
    int peak = 0;
    for (const int16_t v : audio.samples)
        peak = std::max(peak, std::abs(int(v)));
    const double ceiling = 32768.0 * std::pow(10.0, -1.0 / 20.0);
    const double gain = std::min(std::pow(10.0, (targetDbfs - level) / 20.0), ceiling / peak);
    PcmAudio out = audio;
    for (int16_t& v : out.samples)
        v = int16_t(std::lround(std::clamp(double(v) * gain, -32768.0, 32767.0)));
    return out;
}

PcmAudio shapeRecording(const PcmAudio& audio) { return normalizeLoudness(trimSilence(mixedToMono(audio))); }

PcmAudio silence(int ms, int sampleRate)
{
    PcmAudio out;
    out.sampleRate = sampleRate;
    out.samples.assign(size_t(std::max(0, ms)) * size_t(sampleRate) / 1000, 0);
    return out;
}

void append(PcmAudio& head, const PcmAudio& tail)
{
    if (head.samples.empty())
        head.sampleRate = tail.sampleRate;
    if (!tail.samples.empty() && head.sampleRate != tail.sampleRate)
        throw AppError(
            QStringLiteral("EAudio"),
            QStringLiteral("Cannot join sounds of %1 Hz and %2 Hz").arg(head.sampleRate).arg(tail.sampleRate));
    head.samples.insert(head.samples.end(), tail.samples.begin(), tail.samples.end());
}

} // namespace ejteto
