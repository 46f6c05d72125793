#pragma once
// How long a recording may hold the window: a word or vowel plays blocking,
// so a recording is played only when it is at most a minute long, by what
// its header declares and by what its size allows.
#include <QString>

namespace ejteto {

// The longest recording a blocking play accepts.
constexpr int kMaxRecordingSeconds = 60;
// The richest sound the program plays: eight channels of 32-bit samples at
// 192 kHz. A file larger than a minute of it (and a header's worth) holds
// more than a minute in any format.
constexpr qint64 kMaxRecordingBytesPerSecond = 8 * 4 * 192000;
constexpr qint64 kMaxRecordingBytes = kMaxRecordingSeconds * kMaxRecordingBytesPerSecond + 1024 * 1024;

// Raises "A(z) %1 felvétel túl hosszú (legfeljebb egy perc lehet)." with the
// path when the regular file at `path` is larger than kMaxRecordingBytes or
// declares more than kMaxRecordingSeconds of sound. Anything else (a missing
// file, a FIFO, a header it cannot read) is left for the media service.
void refuseOverlongRecording(const QString& path);

} // namespace ejteto
