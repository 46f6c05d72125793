#include "take_playback.h"

#include "media/gst_runtime.h"
#include "media/media_errors.h"
#include "playback_wait.h"

#include <gst/app/gstappsrc.h>

namespace ejteto {

namespace {

gst::CapsPtr takeCaps(const VoiceTake& take)
{
    return gst::CapsPtr(gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", "layout", G_TYPE_STRING,
                                            "interleaved", "rate", G_TYPE_INT, take.sampleRate, "channels", G_TYPE_INT,
                                            take.channels, nullptr));
}

// The whole take as one buffer: it is at most a few seconds long.
GstBuffer* takeBuffer(const VoiceTake& take)
{
    GstBuffer* buffer = gst_buffer_new_memdup(take.samples.data(), take.samples.size() * sizeof(int16_t));
    GST_BUFFER_PTS(buffer) = 0;
    GST_BUFFER_DURATION(buffer) = static_cast<GstClockTime>(take.durationMs()) * GST_MSECOND;
    return buffer;
}

} // namespace

void playVoiceTake(const VoiceTake& take)
{
    if (take.isEmpty() || take.sampleRate <= 0 || take.channels <= 0)
        return;
    ensureGstreamer();
    const auto output = makeAudioSink();
    const gst::PipelinePtr pipeline(GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new(nullptr))));
    auto source = gst::adoptFloating(gst_element_factory_make("appsrc", nullptr));
    auto convert = gst::adoptFloating(gst_element_factory_make("audioconvert", nullptr));
    auto resample = gst::adoptFloating(gst_element_factory_make("audioresample", nullptr));
    if (!output || !source || !convert || !resample)
        throw mciDeviceError(genericFailureText());

    const gst::CapsPtr caps = takeCaps(take);
    g_object_set(source.get(), "caps", caps.get(), "format", GST_FORMAT_TIME, "max-bytes",
                 static_cast<guint64>(take.samples.size() * sizeof(int16_t)), nullptr);
    gst_bin_add_many(GST_BIN(pipeline.get()), source.get(), convert.get(), resample.get(), output.get(), nullptr);
    if (!gst_element_link_many(source.get(), convert.get(), resample.get(), output.get(), nullptr))
        throw mciDeviceError(genericFailureText());
    keepOnlyNotices(pipeline.get(), kEndNotices);

    // The source takes data once it has started, which the state change
    // does before it returns.
    if (gst_element_set_state(pipeline.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        return;
    gst_app_src_push_buffer(GST_APP_SRC(source.get()), takeBuffer(take));
    gst_app_src_end_of_stream(GST_APP_SRC(source.get()));
    const gst::ObjectPtr<GstBus> bus(gst_element_get_bus(pipeline.get()));
    waitForPlaybackEnd(pipeline.get(), bus.get());
}

} // namespace ejteto
