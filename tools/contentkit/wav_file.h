#pragma once
// Mono 16-bit PCM sound, the only kind of recording the course uses: what
// espeak-ng writes, what the WAV recordings hold and what the lecture videos
// carry as their sound track.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace ejteto::contentkit {

struct PcmAudio {
    int sampleRate = 22050;
    std::vector<int16_t> samples;

    double seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0.0; }
};

// The bytes of a canonical 44-byte-header WAV file holding `audio`.
QByteArray wavBytes(const PcmAudio& audio);

// Writes `audio` as a mono 16-bit PCM WAV file; raises AppError on failure.
void writeWav(const QString& path, const PcmAudio& audio);

// Parses a mono 16-bit PCM WAV file (extra chunks are skipped; a data chunk
// whose size runs past the end, as streamed output has, is cut to the file).
// Raises AppError naming `what` when the bytes are no such file.
PcmAudio parseWav(const QByteArray& bytes, const QString& what);
PcmAudio readWav(const QString& path);

} // namespace ejteto::contentkit
