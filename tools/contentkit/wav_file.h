#pragma once
// The course's recordings: mono 16-bit PCM, what espeak-ng writes, what the
// WAV recordings hold and what the lecture videos carry as their sound track.
// Read and written through the program's one WAV reader and writer.
#include "audio/pcm_audio.h"
#include "audio/wav_file.h"

#include <QByteArray>
#include <QString>

namespace ejteto::contentkit {

using ejteto::PcmAudio;
using ejteto::wavBytes;

// Writes `audio` as a 16-bit PCM WAV file; raises AppError on failure.
void writeWav(const QString& path, const PcmAudio& audio);

// Reads a mono 16-bit PCM WAV file (extra chunks are skipped; a data chunk
// whose size runs past the end, as streamed output has, is cut to the file).
// Raises AppError naming `what` when the bytes are no such file.
PcmAudio parseWav(const QByteArray& bytes, const QString& what);
PcmAudio readWav(const QString& path);

} // namespace ejteto::contentkit
