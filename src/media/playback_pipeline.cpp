#include "media/playback_pipeline.h"

#include "app/app_error.h"
#include "media/gst_runtime.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace ejteto {

namespace {

// A file that does not preroll within this time is reported as failed
// rather than leaving the window thread waiting.
constexpr GstClockTime kPrerollTimeout = 10 * GST_SECOND;

// Keeps the bus short: every other message would pile up unread while a long
// video plays.
GstBusSyncReply keepNotices(GstBus*, GstMessage* message, gpointer)
{
    constexpr int kept = GST_MESSAGE_EOS | GST_MESSAGE_ERROR | GST_MESSAGE_ASYNC_DONE;
    return (GST_MESSAGE_TYPE(message) & kept) != 0 ? GST_BUS_PASS : GST_BUS_DROP;
}

[[noreturn]] void raiseDeviceError(const QString& text)
{
    throw AppError(QStringLiteral("EMCIDeviceError"), text);
}

} // namespace

bool isAudioOnlyFile(const QString& path)
{
    return path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
}

QByteArray fileUri(const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return QUrl::fromLocalFile(absolute).toEncoded();
}

GstElement* buildPlaybackPipeline(const QString& path, FrameHandler onFrame)
{
    GstElement* pipeline = gst_element_factory_make("playbin", nullptr);
    if (pipeline == nullptr)
        raiseDeviceError(genericFailureText());
    gst_object_ref_sink(pipeline);

    GstElement* audioSink = nullptr;
    try {
        audioSink = makeAudioSink();
    } catch (...) {
        gst_object_unref(pipeline);
        throw;
    }
    const bool audioOnly = isAudioOnlyFile(path);
    const unsigned flags = PlayFlagAudio | PlayFlagSoftVolume | (audioOnly ? 0u : PlayFlagVideo);
    g_object_set(pipeline, "uri", fileUri(path).constData(), "flags", flags, nullptr);
    if (audioSink != nullptr) {
        g_object_set(pipeline, "audio-sink", audioSink, nullptr);
        gst_object_unref(audioSink);
    }
    if (!audioOnly) {
        GstElement* videoSink = makeVideoFrameSink(std::move(onFrame));
        if (videoSink != nullptr) {
            g_object_set(pipeline, "video-sink", videoSink, nullptr);
            gst_object_unref(videoSink);
        }
    }

    GstBus* bus = gst_element_get_bus(pipeline);
    gst_bus_set_sync_handler(bus, keepNotices, nullptr, nullptr);
    gst_object_unref(bus);
    return pipeline;
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
    GstMessage* message = gst_bus_timed_pop_filtered(bus, timeout, wanted);
    if (message == nullptr)
        return genericFailureText();
    QString text;
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR)
        text = errorText(message);
    else if (change == GST_STATE_CHANGE_FAILURE)
        text = genericFailureText();
    gst_message_unref(message);
    return text;
}

bool hasAudioStream(GstElement* pipeline)
{
    gint streams = 0;
    g_object_get(pipeline, "n-audio", &streams, nullptr);
    return streams > 0;
}

QString wrongStreamTypeText()
{
    gchar* text = gst_error_get_message(GST_STREAM_ERROR, GST_STREAM_ERROR_WRONG_TYPE);
    const QString result = QString::fromUtf8(text);
    g_free(text);
    return result;
}

void waitForAsyncDone(GstBus* bus, GstClockTime timeout)
{
    const auto wanted = static_cast<GstMessageType>(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR);
    if (GstMessage* message = gst_bus_timed_pop_filtered(bus, timeout, wanted))
        gst_message_unref(message);
}

} // namespace ejteto
