#pragma once
// Small helpers around the GStreamer runtime shared by the media engines:
// one-time initialisation, bins from descriptions, the choice of audio
// output, the service's texts for files it cannot read and for bus errors.
// A target that includes it links GStreamer itself (PkgConfig::GST).
#include "media/gst_handles.h"

#include <QString>

namespace ejteto {

// Initialises GStreamer the first time it is called, or waits for the
// start-up begun by startGstreamerInBackground(); later calls do nothing.
void ensureGstreamer();

// Starts GStreamer and chooses the system's audio output on a thread of its
// own, and returns at once: the first sound then finds both ready. Does
// nothing once GStreamer has started or is starting.
void startGstreamerInBackground() noexcept;

// The bin a pipeline description ("fakesink sync=true") makes, its unlinked
// pads made ghost pads. Raises AppError with the parser's text when the
// description is invalid.
gst::ObjectPtr<GstElement> binFromDescription(const QByteArray& description);

// What EJTETO_AUDIO_SINK names now; empty for the system output.
QByteArray audioSinkSetting();

// The audio output of a player. EJTETO_AUDIO_SINK, when set, is a pipeline
// description ("fakesink sync=true") used instead of the system output. The
// system output is chosen once per process: the device the automatic output
// settles on, or, when no sound device can be reached, a fake sink that
// still runs in real time, so opening a recording never fails for want of a
// sound card. Raises AppError when the description is invalid.
gst::ObjectPtr<GstElement> makeAudioSink();

// A sink that takes a video's pictures unseen, in real time, so a video
// without a display still lasts as long as it plays.
gst::ObjectPtr<GstElement> makeUnseenVideoSink();

// The notices that end a playback or a recording.
inline constexpr auto kEndNotices = static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR);

// Drops every message of `pipeline`'s bus but the kinds in `kept`: nothing
// else is ever read there, and unread messages would pile up.
void keepOnlyNotices(GstElement* pipeline, GstMessageType kept);

// What the service says when it could not open `path` at all (missing, a
// folder, not readable, empty, or not a RIFF file of the kind its name
// says), found from the file's first bytes without starting the service;
// empty when the file looks openable.
QString unreadableFileText(const QString& path);

// The service's text for a file that does not exist ("Resource not found.").
QString notFoundText();

// The text of an ERROR message, as the service words it.
QString errorText(GstMessage* errorMessage);

// The service's text for a state change that failed without an explanation.
QString genericFailureText();

} // namespace ejteto
