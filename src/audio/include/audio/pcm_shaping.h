#pragma once
// Shaping of a recording: every recording of the course, synthesized by the
// builder or recorded by a speaker in the program, starts and ends without
// dead air and sounds equally loud, so the learner never turns the volume up
// for one word and down for the next. Mono sound.
#include "audio/pcm_audio.h"

namespace ejteto {

// Cuts the silence before the first and after the last audible sample,
// keeping `keepMs` of quiet at either end, and fades the last few
// milliseconds so the cut does not click. Nothing audible gives an empty result.
PcmAudio trimSilence(const PcmAudio& audio, int keepMs = 40);

// Scales the audio so the loudness of its voiced part (RMS over the samples
// above a gate) is `targetDbfs`, without letting any peak pass -1 dBFS.
PcmAudio normalizeLoudness(const PcmAudio& audio, double targetDbfs = -18.0);

// What every recording of a voice goes through before it is kept: its
// channels mixed into one, trimmed, then levelled (the defaults above).
PcmAudio shapeRecording(const PcmAudio& audio);

// `ms` milliseconds of silence at `sampleRate`.
PcmAudio silence(int ms, int sampleRate = 22050);

// Appends `tail` to `head`; both must share one sample rate.
void append(PcmAudio& head, const PcmAudio& tail);

} // namespace ejteto
