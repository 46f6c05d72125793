#include "phonetics/word_vowel.h"

#include "phonetics/speech_watch.h"
#include "pitch.h"
#include "voice_checks.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace ejteto::phonetics {

namespace {

// Voicing every 10 ms; energy every 5 ms over 20 ms, so the edges of a
// vowel are known to a few milliseconds.
constexpr double kPitchHopSec = 0.01;
constexpr double kEnergyHopSec = 0.005;
constexpr double kEnergyWindowSec = 0.02;
// Kept around the voice the recorder's rule found, for the pitch frames.
constexpr double kMarginSec = 0.05;
constexpr double kShortestTakeSec = 0.1;
constexpr double kShortestVowelSec = 0.06;
// First-difference pre-emphasis: the voice bar of a closure and a nasal's
// murmur lie below 500 Hz, a vowel's F1 and F2 above; the difference
// weighs them about 20 dB apart.
constexpr double kPreEmphasis = 0.95;
// A vowel's edge: the energy this far below its peak. A vowel's own energy
// varies less (its glide included); a voiced consonant lies further below.
constexpr double kEdgeBelowPeakDb = 12;
// Two words: voiced stretches this far apart, both loud. Inside a word the
// longest silence is a stop's closure, well under this.
constexpr double kPauseBetweenWordsSec = 0.3;
constexpr double kLoudBelowPeakDb = 15;
// A voiced stretch shorter than this is a click or a consonant's buzz.
constexpr double kShortestStretchSec = 0.06;

struct Nucleus {
    size_t first = 0, last = 0; // energy frames, inclusive
    double weight = 0;          // energy over the nucleus
};

// Pre-emphasised energy in dB of 20 ms windows every 5 ms from `first`.
std::vector<double> energyDb(const qint16* samples, qsizetype first, qsizetype last, int rate)
{
    const auto hop = std::max<qsizetype>(1, std::llround(kEnergyHopSec * rate));
    const auto window = std::max<qsizetype>(2, std::llround(kEnergyWindowSec * rate));
    std::vector<double> out;
    for (qsizetype at = first; at + window <= last; at += hop) {
        double sum = 0;
        for (qsizetype i = std::max<qsizetype>(at, 1); i < at + window; ++i) {
            const double d = double(samples[i]) - kPreEmphasis * double(samples[i - 1]);
            sum += d * d;
        }
        out.push_back(10 * std::log10(sum / double(window) + 1e-3));
    }
    return out;
}

} // namespace

VowelSpan findVowel(const qint16* samples, qsizetype count, int sampleRate, const SaidWord& /*said*/)
{
    VowelSpan span;
    if (samples == nullptr || sampleRate <= 0 || count < static_cast<qsizetype>(kShortestTakeSec * sampleRate)) {
        span.fault = AnalysisFault::TooShort;
        return span;
    }
    // The voice, by the rule that ends the recorder's takes.
    RecordingLimits limits;
    limits.longestMs = INT_MAX;
    SpeechWatch watch(limits, sampleRate);
    watch.add(samples, count);
    const auto [voiceFirst, voiceLast] = watch.voiceOnly();
    if (voiceLast <= voiceFirst)
        return span;
    if (overdriven(samples, voiceFirst, voiceLast)) {
        span.fault = AnalysisFault::Clipped;
        return span;
    }
    const double rate = sampleRate;
    const auto margin = static_cast<qsizetype>(kMarginSec * rate);
    const qsizetype first = std::max<qsizetype>(0, voiceFirst - margin);
    const qsizetype last = std::min(count, voiceLast + margin);
    const std::vector<PitchFrame> pitch =
        trackPitch(std::vector<float>(samples + first, samples + last), rate, kPitchHopSec);
    const std::vector<double> energy = energyDb(samples, first, last, sampleRate);
    if (pitch.empty() || energy.empty()) {
        span.fault = AnalysisFault::TooShort;
        return span;
    }

    // Each energy frame voiced or not, by the pitch frame nearest its centre.
    const auto timeOf = [](size_t e) { return double(e) * kEnergyHopSec + kEnergyWindowSec / 2; };
    std::vector<bool> voiced(energy.size());
    for (size_t e = 0; e < energy.size(); ++e) {
        const auto nearest =
            std::min_element(pitch.begin(), pitch.end(), [&](const PitchFrame& a, const PitchFrame& b) {
                return std::abs(a.timeSec - timeOf(e)) < std::abs(b.timeSec - timeOf(e));
            });
        voiced[e] = nearest->f0 > 0;
    }

    // The voiced stretches, and the nucleus around each one's loudest frame.
    const auto shortest = static_cast<size_t>(kShortestStretchSec / kEnergyHopSec);
    std::vector<std::pair<size_t, size_t>> stretches;
    for (size_t e = 0; e < energy.size();) {
        if (!voiced[e]) {
            ++e;
            continue;
        }
        size_t end = e;
        while (end + 1 < energy.size() && voiced[end + 1])
            ++end;
        if (end - e + 1 >= shortest)
            stretches.emplace_back(e, end);
        e = end + 1;
    }
    if (stretches.empty()) {
        span.fault = double(voiceLast - voiceFirst) / rate < kShortestTakeSec + kShortestVowelSec
                         ? AnalysisFault::TooShort
                         : AnalysisFault::NoVoice;
        return span;
    }
    double loudest = -1e9;
    for (const auto& [a, b] : stretches)
        loudest = std::max(
            loudest, *std::max_element(energy.begin() + std::ptrdiff_t(a), energy.begin() + std::ptrdiff_t(b) + 1));

    std::optional<Nucleus> best;
    std::optional<size_t> lastLoudEnd;
    for (const auto& [a, b] : stretches) {
        const auto peakAt =
            std::max_element(energy.begin() + std::ptrdiff_t(a), energy.begin() + std::ptrdiff_t(b) + 1);
        const auto peak = static_cast<size_t>(peakAt - energy.begin());
        if (*peakAt < loudest - kLoudBelowPeakDb)
            continue;
        if (lastLoudEnd && double(a - *lastLoudEnd) * kEnergyHopSec > kPauseBetweenWordsSec) {
            span.fault = AnalysisFault::TwoWords;
            return span;
        }
        lastLoudEnd = b;
        Nucleus n{peak, peak, 0};
        const double edge = *peakAt - kEdgeBelowPeakDb;
        while (n.first > a && energy[n.first - 1] >= edge)
            --n.first;
        while (n.last < b && energy[n.last + 1] >= edge)
            ++n.last;
        for (size_t e = n.first; e <= n.last; ++e)
            n.weight += std::pow(10.0, energy[e] / 10);
        if (!best || n.weight > best->weight)
            best = n;
    }
    const double offset = double(first) / rate;
    span.startSec = offset + double(best->first) * kEnergyHopSec + kEnergyWindowSec / 2;
    span.endSec = offset + double(best->last) * kEnergyHopSec + kEnergyWindowSec / 2;
    if (span.endSec - span.startSec < kShortestVowelSec) {
        span.fault = AnalysisFault::TooShort;
        return span;
    }
    std::vector<double> f0s;
    for (const PitchFrame& p : pitch)
        if (p.f0 > 0 && p.timeSec + offset >= span.startSec && p.timeSec + offset <= span.endSec)
            f0s.push_back(p.f0);
    if (!f0s.empty()) {
        std::nth_element(f0s.begin(), f0s.begin() + std::ptrdiff_t(f0s.size() / 2), f0s.end());
        span.f0 = f0s[f0s.size() / 2];
    }
    span.fault = AnalysisFault::None;
    return span;
}

} // namespace ejteto::phonetics
