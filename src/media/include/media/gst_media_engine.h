#pragma once
// The program's media engine: GStreamer, one playbin per open file.
#include "media/media_engine.h"

namespace ejteto {

// Sound goes to the system output, or to a silent stand-in that keeps real
// time where there is none; EJTETO_AUDIO_SINK, when set, is a pipeline
// description used instead ("fakesink sync=true").
std::unique_ptr<MediaEngine> makeGstMediaEngine();

} // namespace ejteto
