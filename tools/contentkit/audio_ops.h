#pragma once
// Shaping of synthesized speech: every recording starts and ends without dead
// air and sounds equally loud, so the learner never turns the volume up for
// one word and down for the next.
#include "contentkit/wav_file.h"

namespace ejteto::contentkit {

// Cuts the silence before the first and after the last audible sample,
// keeping `keepMs` of quiet at either end, and fades the last few
// milliseconds so the cut does not click. Nothing audible gives an empty result.
PcmAudio trimSilence(const PcmAudio& audio, int keepMs = 40);

// Scales the audio so the loudness of its voiced part (RMS over the samples
// above a gate) is `targetDbfs`, without letting any peak pass -1 dBFS.
PcmAudio normalizeLoudness(const PcmAudio& audio, double targetDbfs = -18.0);

// `ms` milliseconds of silence at `sampleRate`.
PcmAudio silence(int ms, int sampleRate = 22050);

// Appends `tail` to `head`; both must share one sample rate.
void append(PcmAudio& head, const PcmAudio& tail);

} // namespace ejteto::contentkit
