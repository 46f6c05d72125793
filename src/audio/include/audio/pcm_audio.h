#pragma once
// Sound as the program holds it in memory: 16-bit signed samples, the
// channels interleaved. What a WAV file decodes to, what the microphone
// records (a take), what the drill mixes noise into and what the course
// builder shapes and writes.
#include <QtGlobal>
#include <cstdint>
#include <vector>

namespace ejteto {

struct PcmAudio {
    int sampleRate = 22050;
    int channels = 1;
    std::vector<int16_t> samples; // frame after frame, channel after channel

    bool isEmpty() const { return samples.empty(); }
    qint64 frames() const { return channels > 0 ? qint64(samples.size()) / channels : 0; }
    qint64 durationMs() const { return sampleRate > 0 ? frames() * 1000 / sampleRate : 0; }
    double seconds() const { return sampleRate > 0 ? double(frames()) / sampleRate : 0.0; }

    friend bool operator==(const PcmAudio&, const PcmAudio&) = default;
};

// The same sound with its channels averaged into one.
PcmAudio mixedToMono(const PcmAudio& audio);

// RMS level of the voiced part (samples at or above a tenth of the peak), in
// dB relative to full scale; minus infinity for silence. The one measure the
// course builder levels its recordings by and the drill sets its noise from.
double voicedLevelDbfs(const PcmAudio& audio);

} // namespace ejteto
