#pragma once
// Waiting for a playback to end on the window thread, the way every blocking
// play of the program waits: on the bus, without running the event loop, and
// never for good when the output stalls.
#include <gst/gst.h>

namespace ejteto {

enum class PlaybackEnd {
    Finished, // the end of the stream was played
    Failed,   // the service reported an error
    Stalled,  // no progress for a long while; the pipeline was paused
    Overlong, // past the longest recording a blocking play accepts; paused there
};

// The pipeline's position in nanoseconds, -1 when it cannot tell.
gint64 playbackPosition(GstElement* pipeline);

// Waits until the playing `pipeline` posts its end or an error on `bus`, or
// its position has stood still for 10 s, or has passed a minute of sound (a
// file that slipped past the length checks never holds the window longer).
// Input made meanwhile stays queued.
PlaybackEnd waitForPlaybackEnd(GstElement* pipeline, GstBus* bus);

} // namespace ejteto
