#include "gst_runtime.h"

#include "app/app_error.h"

#include <mutex>

namespace ejteto {

void ensureGstreamer()
{
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
}

namespace {

// Callers always get a full reference, never a floating one.
GstElement* owned(GstElement* element)
{
    if (element != nullptr)
        gst_object_ref_sink(element);
    return element;
}

GstElement* fakeRealTimeSink()
{
    GstElement* sink = owned(gst_element_factory_make("fakesink", nullptr));
    if (sink != nullptr)
        g_object_set(sink, "sync", TRUE, nullptr);
    return sink;
}

} // namespace

GstElement* makeAudioSink()
{
    const QByteArray description = qgetenv("EJTETO_AUDIO_SINK");
    if (!description.isEmpty()) {
        GError* error = nullptr;
        GstElement* bin = gst_parse_bin_from_description(description.constData(), TRUE, &error);
        if (bin == nullptr) {
            const QString text = error != nullptr ? QString::fromUtf8(error->message)
                                                  : genericFailureText();
            g_clear_error(&error);
            throw AppError(QStringLiteral("EMCIDeviceError"), text);
        }
        // A description that parsed with warnings still gives a usable bin.
        g_clear_error(&error);
        return owned(bin);
    }

    GstElement* sink = owned(gst_element_factory_make("autoaudiosink", nullptr));
    if (sink == nullptr)
        return fakeRealTimeSink();
    // Try the device once: a machine without sound must still play (silently,
    // in real time) rather than refuse to open the file.
    const GstStateChangeReturn ready = gst_element_set_state(sink, GST_STATE_READY);
    gst_element_set_state(sink, GST_STATE_NULL);
    if (ready == GST_STATE_CHANGE_FAILURE) {
        gst_object_unref(sink);
        return fakeRealTimeSink();
    }
    return sink;
}

QString errorText(GstMessage* errorMessage)
{
    GError* error = nullptr;
    gchar* debug = nullptr;
    gst_message_parse_error(errorMessage, &error, &debug);
    const QString text = (error != nullptr && error->message != nullptr)
                             ? QString::fromUtf8(error->message)
                             : genericFailureText();
    g_clear_error(&error);
    g_free(debug);
    return text;
}

QString genericFailureText()
{
    gchar* text = gst_error_get_message(GST_CORE_ERROR, GST_CORE_ERROR_STATE_CHANGE);
    const QString result = QString::fromUtf8(text);
    g_free(text);
    return result;
}

} // namespace ejteto
