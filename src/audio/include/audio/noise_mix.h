#pragma once
// The drill's harder step: noise under the voice at a chosen signal-to-noise
// ratio, computed on the recording's samples before it is played.
#include "audio/pcm_audio.h"

#include <cstdint>

namespace ejteto {

// `speech` (mono) with noise mixed in: a speech-shaped (low-passed) noise
// whose RMS lies `snrDb` below the voiced level (voicedLevelDbfs), starting a
// little before the voice and ending a little after it, so its onset gives
// nothing away. The mix is scaled down as a whole if it would clip. The same
// seed gives the same noise.
PcmAudio mixNoise(const PcmAudio& speech, int snrDb, uint32_t seed);

} // namespace ejteto
