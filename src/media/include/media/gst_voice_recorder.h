#pragma once
// The program's microphone: GStreamer, recording takes into memory and
// playing them back through the course's sound output.
#include "content/voice_recorder.h"
#include "phonetics/speech_watch.h"

namespace ejteto {

// Records from the default microphone, or from the pipeline description in
// EJTETO_AUDIO_SOURCE ("audiotestsrc wave=sine"), so tests and machines
// without one need none. A take is mono at 22050 Hz; it is played through
// the output of makeGstMediaEngine() (EJTETO_AUDIO_SINK, when set).
std::unique_ptr<VoiceRecorder> makeGstVoiceRecorder(const RecordingLimits& limits = {});

} // namespace ejteto
