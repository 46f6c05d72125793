#pragma once
// Building and prerolling the playbin behind a player's files.
#include "media/gst_handles.h"
#include "video_frame_sink.h"

#include <QString>

namespace ejteto {

// playbin flags (GstPlayFlags lives in a plugin, not in a public header).
enum PlayFlag : unsigned {
    PlayFlagVideo = 1u << 0,
    PlayFlagAudio = 1u << 1,
    PlayFlagSoftVolume = 1u << 4,
};

// True when the file is opened as audio only (".wav", any case).
bool isAudioOnlyFile(const QString& path);

// The absolute, cleaned path the service reads for `path`: a relative path
// resolves against the current directory.
QString servicePath(const QString& path);

// The file URI of `path`, as the service resolves it.
QByteArray fileUri(const QString& path);

// A playbin in the NULL state, with no file yet, with its audio output and,
// unless it is for audio only, a video sink that feeds `onFrame` (or takes
// the pictures unseen when there is no handler). Starts GStreamer the first
// time. Only EOS, ERROR and ASYNC_DONE reach its bus; nothing else is ever
// read there. Raises AppError when the service cannot build it.
gst::PipelinePtr buildPlaybackPipeline(bool audioOnly, FrameHandler onFrame);

// Points a pipeline in the NULL or READY state at `path`.
void setPipelineFile(GstElement* pipeline, const QString& path);

// Brings the pipeline to PAUSED and waits (bounded) until the first data is
// ready. Returns an empty text on success, otherwise the service's message.
QString preroll(GstElement* pipeline, GstBus* bus);

// Whether the prerolled pipeline found a sound stream in its file.
bool hasAudioStream(GstElement* pipeline);
// The service's own text for a file whose stream is of another kind.
QString wrongStreamTypeText();

// Waits (bounded) for the ASYNC_DONE that ends a flushing seek, discarding
// notices that the seek made stale.
void waitForAsyncDone(GstBus* bus, GstClockTime timeout);

} // namespace ejteto
