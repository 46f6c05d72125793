#include "gst_runtime.h"

#include "media/media_errors.h"

#include <mutex>

namespace ejteto {

void ensureGstreamer()
{
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
}

namespace {

gst::ObjectPtr<GstElement> realTimeFakeSink()
{
    auto sink = gst::adoptFloating(gst_element_factory_make("fakesink", nullptr));
    if (sink)
        g_object_set(sink.get(), "sync", TRUE, nullptr);
    return sink;
}

gst::ObjectPtr<GstElement> sinkFromDescription(const QByteArray& description)
{
    GError* rawError = nullptr;
    auto bin = gst::adoptFloating(gst_parse_bin_from_description(description.constData(), TRUE, &rawError));
    // A description that parsed with warnings still gives a usable bin.
    const gst::ErrorPtr error(rawError);
    if (!bin)
        throw mciDeviceError(error ? QString::fromUtf8(error->message) : genericFailureText());
    return bin;
}

// Tries the device once: a machine without sound must still play (silently,
// in real time) rather than refuse to open the file.
gst::ObjectPtr<GstElement> systemSink()
{
    auto sink = gst::adoptFloating(gst_element_factory_make("autoaudiosink", nullptr));
    if (!sink)
        return realTimeFakeSink();
    const GstStateChangeReturn ready = gst_element_set_state(sink.get(), GST_STATE_READY);
    gst_element_set_state(sink.get(), GST_STATE_NULL);
    if (ready == GST_STATE_CHANGE_FAILURE)
        return realTimeFakeSink();
    return sink;
}

} // namespace

gst::ObjectPtr<GstElement> makeAudioSink()
{
    const QByteArray description = qgetenv("EJTETO_AUDIO_SINK");
    return description.isEmpty() ? systemSink() : sinkFromDescription(description);
}

gst::ObjectPtr<GstElement> makeUnseenVideoSink()
{
    return realTimeFakeSink();
}

namespace {

GstBusSyncReply passKept(GstBus*, GstMessage* message, gpointer kept)
{
    return (GST_MESSAGE_TYPE(message) & GPOINTER_TO_UINT(kept)) != 0 ? GST_BUS_PASS : GST_BUS_DROP;
}

} // namespace

void keepOnlyNotices(GstElement* pipeline, GstMessageType kept)
{
    const gst::ObjectPtr<GstBus> bus(gst_element_get_bus(pipeline));
    gst_bus_set_sync_handler(bus.get(), passKept, GUINT_TO_POINTER(static_cast<guint>(kept)), nullptr);
}

QString errorText(GstMessage* errorMessage)
{
    GError* rawError = nullptr;
    gchar* rawDebug = nullptr;
    gst_message_parse_error(errorMessage, &rawError, &rawDebug);
    const gst::ErrorPtr error(rawError);
    const gst::TextPtr debug(rawDebug);
    return (error && error->message != nullptr) ? QString::fromUtf8(error->message) : genericFailureText();
}

QString genericFailureText()
{
    const gst::TextPtr text(gst_error_get_message(GST_CORE_ERROR, GST_CORE_ERROR_STATE_CHANGE));
    return QString::fromUtf8(text.get());
}

} // namespace ejteto
