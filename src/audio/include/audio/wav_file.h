#pragma once
// The one WAV reader and writer of the program and its tools, on libsndfile:
// the checker's and the drill's test of a recording, the drill's noisy
// trials and the course builder's recordings all go through it.
#include "app/wav_check.h"
#include "audio/pcm_audio.h"

#include <QByteArray>

namespace ejteto {

// What a WAV file holds: its sound as 16-bit samples (whatever width or
// float kind it was written in, channels kept), or why it holds none usable,
// in the checker's Hungarian words. `audio` is filled only when `check` is
// playable or says the sound is silent.
struct WavReading {
    WavCheck check;
    PcmAudio audio;
    int bitsPerSample = 0; // as written in the file (32 for float)
};

WavReading readWavBytes(const QByteArray& bytes);
// The same read from a regular file of at most kMaxRecordingBytes.
WavReading readWavFile(const QString& path);

// A 16-bit PCM WAV file holding `audio` (a plain 44-byte header for one or
// two channels).
QByteArray wavBytes(const PcmAudio& audio);

} // namespace ejteto
