#include "playback_wait.h"

#include "media/gst_handles.h"
#include "media/gst_runtime.h"
#include "media/recording_bounds.h"

namespace ejteto {

namespace {

// A playback whose position has not moved for this long is given up, so a
// stalled output can never freeze the window for good.
constexpr int kStallSeconds = 10;
// A second of grace past the longest recording, for where the last buffer
// of a full minute ends.
constexpr gint64 kLongestPlay = (kMaxRecordingSeconds + 1) * GST_SECOND;

} // namespace

gint64 playbackPosition(GstElement* pipeline)
{
    gint64 position = -1;
    if (!gst_element_query_position(pipeline, GST_FORMAT_TIME, &position))
        return -1;
    return position;
}

PlaybackEnd waitForPlaybackEnd(GstElement* pipeline, GstBus* bus)
{
    gint64 lastPosition = playbackPosition(pipeline);
    int stalledSeconds = 0;
    while (true) {
        const gst::MessagePtr message(gst_bus_timed_pop_filtered(bus, GST_SECOND, kEndNotices));
        if (message)
            return GST_MESSAGE_TYPE(message.get()) == GST_MESSAGE_EOS ? PlaybackEnd::Finished : PlaybackEnd::Failed;
        // A position that stands still counts as a stall, and so does one
        // that stays unknown: nothing is playing that would ever end.
        const gint64 position = playbackPosition(pipeline);
        if (position > kLongestPlay) {
            gst_element_set_state(pipeline, GST_STATE_PAUSED);
            return PlaybackEnd::Overlong;
        }
        if (position != lastPosition) {
            lastPosition = position;
            stalledSeconds = 0;
        } else if (++stalledSeconds >= kStallSeconds) {
            gst_element_set_state(pipeline, GST_STATE_PAUSED);
            return PlaybackEnd::Stalled;
        }
    }
}

} // namespace ejteto
