#pragma once
// The drill's harder step: noise under the voice at a chosen signal-to-noise
// ratio, computed on the recording's samples before it is played.
#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

namespace ejteto {

// 16-bit PCM, channels already mixed down to one.
struct MonoPcm {
    int sampleRate = 22050;
    std::vector<int16_t> samples;
};

// The sound of a 16-bit PCM WAV file, stereo or more mixed down to mono;
// nothing for any other kind of file (those play without noise).
std::optional<MonoPcm> readPcm16Wav(const QByteArray& bytes);
QByteArray pcm16WavBytes(const MonoPcm& audio);

// RMS level of the voiced part (samples above a tenth of the peak), in dB
// relative to full scale; the same measure the course builder levels by.
double voicedLevelOf(const std::vector<int16_t>& samples);

// `speech` with noise mixed in: a speech-shaped (low-passed) noise whose RMS
// lies `snrDb` below the voiced level, starting a little before the voice and
// ending a little after it, so its onset gives nothing away. The mix is
// scaled down as a whole if it would clip. The same seed gives the same noise.
MonoPcm mixNoise(const MonoPcm& speech, int snrDb, uint32_t seed);

} // namespace ejteto
