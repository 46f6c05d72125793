#pragma once
// Plays an AVI through GStreamer's own demuxer and JPEG decoder as fast as
// they go, counting what comes out: the proof that a written file is one the
// program's player can show.
#include <QString>
#include <gst/gst.h>

namespace ejteto::coursetest {

struct PlaybackCount {
    bool reachedEnd = false;
    QString error;
    int videoFrames = 0;
    qint64 audioBytes = 0;
};

namespace detail {
inline void countBuffer(GstElement*, GstBuffer* buffer, GstPad*, gpointer counter)
{
    auto* c = static_cast<qint64*>(counter);
    *c += qint64(gst_buffer_get_size(buffer));
}
inline void countFrame(GstElement*, GstBuffer*, GstPad*, gpointer counter) { ++*static_cast<int*>(counter); }
} // namespace detail

inline PlaybackCount playAvi(const QString& path, bool withSound)
{
    gst_init(nullptr, nullptr);
    PlaybackCount result;
    QString description =
        QStringLiteral("filesrc location=\"%1\" ! avidemux name=d "
                       "d.video_0 ! queue ! jpegdec ! fakesink name=v sync=false signal-handoffs=true")
            .arg(path);
    if (withSound)
        description +=
            QStringLiteral(" d.audio_0 ! queue ! audioconvert ! fakesink name=a sync=false signal-handoffs=true");
    GError* err = nullptr;
    GstElement* pipeline = gst_parse_launch(description.toUtf8().constData(), &err);
    if (!pipeline || err) {
        result.error = err ? QString::fromUtf8(err->message) : QStringLiteral("no pipeline");
        if (err)
            g_error_free(err);
        if (pipeline)
            gst_object_unref(pipeline);
        return result;
    }
    GstElement* v = gst_bin_get_by_name(GST_BIN(pipeline), "v");
    g_signal_connect(v, "handoff", G_CALLBACK(detail::countFrame), &result.videoFrames);
    GstElement* a = withSound ? gst_bin_get_by_name(GST_BIN(pipeline), "a") : nullptr;
    if (a)
        g_signal_connect(a, "handoff", G_CALLBACK(detail::countBuffer), &result.audioBytes);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* msg =
        gst_bus_timed_pop_filtered(bus, 60 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    if (!msg) {
        result.error = QStringLiteral("timed out");
    } else if (GST_MESSAGE_TYPE(msg) == GST_MESSAGE_EOS) {
        result.reachedEnd = true;
    } else {
        GError* e = nullptr;
        gst_message_parse_error(msg, &e, nullptr);
        result.error = QString::fromUtf8(e->message);
        g_error_free(e);
    }
    if (msg)
        gst_message_unref(msg);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(v);
    if (a)
        gst_object_unref(a);
    gst_object_unref(pipeline);
    return result;
}

} // namespace ejteto::coursetest
