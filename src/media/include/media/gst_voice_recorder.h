#pragma once
// The program's microphone: GStreamer, recording takes into memory and
// playing them back through the course's sound output.
#include "content/voice_recorder.h"

namespace ejteto {

// When a take ends by itself.
struct RecordingLimits {
    // A take never runs longer.
    int longestMs = 3000;
    // Quiet for this long after the learner has spoken ends the take.
    int quietMs = 700;
    // A 50 ms stretch whose loudness (RMS, in dB below full scale) is above
    // this counts as voice. Speech into a desktop or headset microphone
    // measures about -35 to -15 dB, a quiet room -60 to -50 dB: -40 lies
    // between them. A wrong guess costs at most the full length: too noisy a
    // room never falls quiet, too soft a voice never starts the quiet rule.
    double voiceDb = -40.0;
};

// Records from the default microphone, or from the pipeline description in
// EJTETO_AUDIO_SOURCE ("audiotestsrc wave=sine"), so tests and machines
// without one need none. A take is mono at 22050 Hz; it is played through
// the output of makeGstMediaEngine() (EJTETO_AUDIO_SINK, when set).
std::unique_ptr<VoiceRecorder> makeGstVoiceRecorder(const RecordingLimits& limits = {});

} // namespace ejteto
