// The WAV reader from memory: any bytes give a sound or a Hungarian reason,
// never a crash, a read out of bounds or a hang; a sound it reads is one the
// writer writes and the reader reads back unchanged.
#include "audio/wav_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace ejteto;
    const WavReading r = readWavBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (r.check.playable() != r.check.detail.isEmpty())
        std::abort(); // every refusal says why, and only a refusal does
    if (r.audio.isEmpty())
        return 0;
    if (r.audio.channels < 1 || r.audio.channels > 8 || r.audio.samples.size() % size_t(r.audio.channels) != 0)
        std::abort();
    const WavReading back = readWavBytes(wavBytes(r.audio));
    if (back.audio != r.audio)
        std::abort();
    return 0;
}
