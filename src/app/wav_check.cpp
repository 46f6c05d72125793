#include "app/wav_check.h"

#include "audio/wav_file.h"

namespace ejteto {

WavCheck checkWavBytes(const QByteArray& b) { return readWavBytes(b).check; }

WavCheck checkWavFile(const QString& path) { return readWavFile(path).check; }

} // namespace ejteto
