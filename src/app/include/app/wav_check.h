#pragma once
// Whether a recording can be heard: the drill must never play silence as a
// trial, and the checker tells a teacher which files of a voice are no good.
// Only the file's own bytes are read; any PCM or float WAV a recorder writes
// passes, whatever its rate, width or channel count.
#include <QString>

namespace ejteto {

enum class WavFault {
    None,
    Missing, // no such regular file
    Empty,   // zero bytes
    Broken,  // not a WAV file, or one whose format or sound data is unusable
    Silent,  // a valid file holding only silence
};

struct WavCheck {
    WavFault fault = WavFault::None;
    QString detail; // what is wrong, in Hungarian, for the checker's line

    bool playable() const { return fault == WavFault::None; }
};

// Recordings of one word or vowel are small; anything larger is refused.
constexpr qint64 kMaxRecordingBytes = 32 * 1024 * 1024;

WavCheck checkWavFile(const QString& path);
WavCheck checkWavBytes(const QByteArray& bytes);

} // namespace ejteto
