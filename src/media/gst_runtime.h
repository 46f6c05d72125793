#pragma once
// Small helpers around the GStreamer runtime shared by the media engines:
// one-time initialisation, the choice of audio output and turning bus errors
// into the service's own message text.
#include "gst_handles.h"

#include <QString>

namespace ejteto {

// Initialises GStreamer the first time it is called; later calls do nothing.
void ensureGstreamer();

// The audio output of a player. EJTETO_AUDIO_SINK, when set, is a pipeline
// description ("fakesink sync=true") used instead of the system output. The
// system output falls back to a fake sink that still runs in real time when
// no sound device can be reached, so opening a recording never fails for
// want of a sound card. Raises AppError when the description is invalid.
gst::ObjectPtr<GstElement> makeAudioSink();

// A sink that takes a video's pictures unseen, in real time, so a video
// without a display still lasts as long as it plays.
gst::ObjectPtr<GstElement> makeUnseenVideoSink();

// Drops every message of `pipeline`'s bus but the kinds in `kept`: nothing
// else is ever read there, and unread messages would pile up.
void keepOnlyNotices(GstElement* pipeline, GstMessageType kept);

// The text of an ERROR message, as the service words it.
QString errorText(GstMessage* errorMessage);

// The service's text for a state change that failed without an explanation.
QString genericFailureText();

} // namespace ejteto
