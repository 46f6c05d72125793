#pragma once
// The program's media engine: GStreamer, one playbin per player, kept
// warm from one file to the next.
#include "media/media_engine.h"

namespace ejteto {

// Sound goes to the system output, or to a silent stand-in that keeps real
// time where there is none; EJTETO_AUDIO_SINK, when set, is a pipeline
// description used instead ("fakesink sync=true"), read at every open.
std::unique_ptr<MediaEngine> makeGstMediaEngine();

} // namespace ejteto
