#include "content/take_checks.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ejteto {

namespace {
constexpr int kFrameMs = 10;
// Below this the take holds nothing a listener would hear.
constexpr double kSilentPeakDbfs = -40.0;
// Frames within this much of the loudest are the voice.
constexpr double kVoicedBelowPeakDb = 25.0;
// The voice must stand this far above the quiet around it.
constexpr double kMinSignalToNoiseDb = 20.0;
// ... and the voice is what stands this far above the noise.
constexpr double kVoicedAboveNoiseDb = 10.0;
// Samples at full scale: the recorder's input was overdriven.
constexpr int kClipLevel = 32700;
constexpr int kClippedSamplesAllowed = 3;
// A voice that is already sounding this close to an edge was cut off.
constexpr int kEdgeMs = 20;

QString again(const QString& what) { return what + QStringLiteral(" Felveszed újra?"); }

double dbfs(double rms) { return rms > 0 ? 20.0 * std::log10(rms / 32768.0) : -120.0; }
} // namespace

TakeCheck checkTake(const VoiceTake& take, const TakeLimits& limits)
{
    // The first channel: what a voice folder keeps of a take.
    const auto channels = static_cast<size_t>(std::max(take.channels, 1));
    std::vector<int16_t> s(take.samples.size() / channels);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = take.samples[i * channels];
    const auto frames = static_cast<qsizetype>(s.size());

    int peak = 0;
    int clipped = 0;
    for (const int16_t v : s) {
        peak = std::max(peak, std::abs(int(v)));
        clipped += std::abs(int(v)) >= kClipLevel ? 1 : 0;
    }
    if (take.sampleRate <= 0 || s.empty() || dbfs(peak) < kSilentPeakDbfs)
        return {TakeFault::Silent, again(QStringLiteral("Nem hallatszik semmi: csak csend került a felvételre. "
                                                        "Jó a mikrofon?"))};
    if (clipped > kClippedSamplesAllowed)
        return {TakeFault::Clipped, again(QStringLiteral("Túlvezérelt, recseg a felvétel: beszélj halkabban, "
                                                         "vagy távolabb a mikrofontól."))};

    // Levels of 10 ms frames: the voice is the frames near the loudest.
    const qsizetype perFrame = std::max<qsizetype>(1, take.sampleRate * kFrameMs / 1000);
    std::vector<double> level;
    for (qsizetype at = 0; at < frames; at += perFrame) {
        const qsizetype end = std::min(frames, at + perFrame);
        double sum = 0;
        for (qsizetype i = at; i < end; ++i)
            sum += double(s[size_t(i)]) * double(s[size_t(i)]);
        level.push_back(dbfs(std::sqrt(sum / double(end - at))));
    }
    const double loudest = *std::max_element(level.begin(), level.end());
    // The quietest tenth of the take tells the noise around the voice.
    std::vector<double> sorted = level;
    std::sort(sorted.begin(), sorted.end());
    const double noise = sorted[sorted.size() / 10];
    if (loudest - noise < kMinSignalToNoiseDb)
        return {TakeFault::Noisy, again(QStringLiteral("Zajos a felvétel: a háttérzaj majdnem olyan erős, mint a "
                                                       "hangod. Keress csendesebb helyet."))};
    const double threshold = std::max(loudest - kVoicedBelowPeakDb, noise + kVoicedAboveNoiseDb);
    const auto voiced = [threshold](double l) { return l >= threshold; };
    const auto first = std::find_if(level.begin(), level.end(), voiced);
    const auto last = std::find_if(level.rbegin(), level.rend(), voiced).base();
    const qsizetype firstFrame = first - level.begin();
    const qsizetype endFrame = last - level.begin();
    const qsizetype edgeFrames = kEdgeMs / kFrameMs;
    if (firstFrame < edgeFrames || endFrame > qsizetype(level.size()) - edgeFrames)
        return {TakeFault::CutOff, again(QStringLiteral("Le van vágva: a hang már szólt a felvétel elején, vagy még "
                                                        "szólt a végén. Kezdj egy kis szünet után."))};

    const qsizetype voicedMs = (endFrame - firstFrame) * kFrameMs;
    if (voicedMs < limits.minVoicedMs)
        return {TakeFault::TooShort, again(QStringLiteral("Túl rövid: alig hallatszik belőle valami."))};
    if (voicedMs > limits.maxVoicedMs)
        return {TakeFault::TooLong, again(QStringLiteral("Túl hosszú ehhez: %1 másodperc. Csak ezt az egyet mondd.")
                                              .arg(double(voicedMs) / 1000.0, 0, 'f', 1))};
    return {};
}

} // namespace ejteto
