#include "playback_pipeline.h"

#include "media/gst_runtime.h"
#include "media/media_errors.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace ejteto {

namespace {

// A file that does not preroll within this time is reported as failed
// rather than leaving the window thread waiting.
constexpr GstClockTime kPrerollTimeout = 10 * GST_SECOND;

gst::ObjectPtr<GstElement> makeVideoSink(FrameHandler onFrame)
{
    return onFrame ? makeVideoFrameSink(std::move(onFrame)) : makeUnseenVideoSink();
}

} // namespace

bool isAudioOnlyFile(const QString& path) { return path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive); }

QString servicePath(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

QByteArray fileUri(const QString& path) { return QUrl::fromLocalFile(servicePath(path)).toEncoded(); }

gst::PipelinePtr buildPlaybackPipeline(bool audioOnly, FrameHandler onFrame)
{
    ensureGstreamer();
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    if (playbin == nullptr)
        throw mciDeviceError(genericFailureText());
    gst::PipelinePtr pipeline(GST_ELEMENT(gst_object_ref_sink(playbin)));

    const auto audioSink = makeAudioSink();
    const unsigned flags = PlayFlagAudio | PlayFlagSoftVolume | (audioOnly ? 0u : PlayFlagVideo);
    g_object_set(pipeline.get(), "flags", flags, nullptr);
    if (audioSink)
        g_object_set(pipeline.get(), "audio-sink", audioSink.get(), nullptr);
    if (!audioOnly) {
        if (const auto videoSink = makeVideoSink(std::move(onFrame)))
            g_object_set(pipeline.get(), "video-sink", videoSink.get(), nullptr);
    }

    // Keeps the bus short: every other message would pile up unread while a
    // long video plays.
    keepOnlyNotices(pipeline.get(),
                    static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR | GST_MESSAGE_ASYNC_DONE));
    return pipeline;
}

void setPipelineFile(GstElement* pipeline, const QString& path)
{
    g_object_set(pipeline, "uri", fileUri(path).constData(), nullptr);
}

QString preroll(GstElement* pipeline, GstBus* bus)
{
    const GstStateChangeReturn change = gst_element_set_state(pipeline, GST_STATE_PAUSED);
    if (change == GST_STATE_CHANGE_SUCCESS || change == GST_STATE_CHANGE_NO_PREROLL)
        return {};

    // A failure posts its reason at once; an asynchronous preroll ends in
    // ASYNC_DONE or in the reason it failed.
    const GstClockTime timeout = change == GST_STATE_CHANGE_FAILURE ? GST_SECOND : kPrerollTimeout;
    const auto wanted = static_cast<GstMessageType>(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR);
    const gst::MessagePtr message(gst_bus_timed_pop_filtered(bus, timeout, wanted));
    if (!message)
        return genericFailureText();
    if (GST_MESSAGE_TYPE(message.get()) == GST_MESSAGE_ERROR)
        return errorText(message.get());
    return change == GST_STATE_CHANGE_FAILURE ? genericFailureText() : QString();
}

bool hasAudioStream(GstElement* pipeline)
{
    gint streams = 0;
    g_object_get(pipeline, "n-audio", &streams, nullptr);
    return streams > 0;
}

QString wrongStreamTypeText()
{
    const gst::TextPtr text(gst_error_get_message(GST_STREAM_ERROR, GST_STREAM_ERROR_WRONG_TYPE));
    return QString::fromUtf8(text.get());
}

void waitForAsyncDone(GstBus* bus, GstClockTime timeout)
{
    const auto wanted = static_cast<GstMessageType>(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR);
    const gst::MessagePtr message(gst_bus_timed_pop_filtered(bus, timeout, wanted));
}

} // namespace ejteto
