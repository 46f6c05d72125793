#include "phonetics/speech_watch.h"

#include <algorithm>
#include <cmath>

namespace ejteto {

namespace {

constexpr int kStretchMs = 50;
// Two loud stretches in a row are voice; a single one is a click or a knock,
// and must not start the quiet rule before the learner has said anything.
constexpr int kVoiceStretches = 2;
// Kept before and after the voice, so nothing of its onset or fade is lost.
constexpr int kMarginMs = 200;

qsizetype samplesOf(int ms, int sampleRate) { return static_cast<qsizetype>(ms) * sampleRate / 1000; }

} // namespace

SpeechWatch::SpeechWatch(const RecordingLimits& limits, int sampleRate)
    : voiceDb_(limits.voiceDb), stretch_(std::max<qsizetype>(1, samplesOf(kStretchMs, sampleRate))),
      longest_(samplesOf(limits.longestMs, sampleRate)), quiet_(samplesOf(limits.quietMs, sampleRate)),
      margin_(samplesOf(kMarginMs, sampleRate))
{
}

void SpeechWatch::add(const qint16* samples, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i) {
        const double value = samples[i];
        sumOfSquares_ += value * value;
        ++inStretch_;
        ++total_;
        if (inStretch_ == stretch_)
            closeStretch();
    }
}

void SpeechWatch::closeStretch()
{
    const double rms = std::sqrt(sumOfSquares_ / static_cast<double>(inStretch_)) / 32768.0;
    const bool loud = rms > 0 && 20 * std::log10(rms) > voiceDb_;
    if (loud) {
        if (loudRun_++ == 0)
            runStart_ = total_ - inStretch_;
        if (voiceStart_ < 0 && loudRun_ >= kVoiceStretches)
            voiceStart_ = runStart_;
        if (voiceStart_ >= 0)
            voiceEnd_ = total_;
    } else {
        loudRun_ = 0;
    }
    sumOfSquares_ = 0;
    inStretch_ = 0;
}

bool SpeechWatch::done() const
{
    if (total_ >= longest_)
        return true;
    return voiceStart_ >= 0 && total_ - voiceEnd_ >= quiet_;
}

std::pair<qsizetype, qsizetype> SpeechWatch::voicedSpan() const
{
    if (voiceStart_ < 0)
        return {0, total_};
    return {std::max<qsizetype>(0, voiceStart_ - margin_), std::min(total_, voiceEnd_ + margin_)};
}

} // namespace ejteto

namespace ejteto {

std::pair<qsizetype, qsizetype> SpeechWatch::voiceOnly() const
{
    if (voiceStart_ < 0)
        return {0, 0};
    return {voiceStart_, voiceEnd_};
}

} // namespace ejteto
