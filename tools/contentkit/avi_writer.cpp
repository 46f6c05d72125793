#include "contentkit/avi_writer.h"

#include "app/app_error.h"
#include "contentkit/file_output.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gst/app/gstappsrc.h>
#include <gst/gst.h>
#include <memory>

namespace ejteto::contentkit {

namespace {

// Long enough for the longest lecture on a slow machine; a pipeline that
// says nothing for this long has hung.
constexpr GstClockTime kQuietLimit = 120 * GST_SECOND;

struct PipelineRelease {
    void operator()(GstElement* p) const noexcept
    {
        gst_element_set_state(p, GST_STATE_NULL);
        gst_object_unref(p);
    }
};
struct ObjectRelease {
    void operator()(gpointer o) const noexcept { gst_object_unref(o); }
};
struct MessageRelease {
    void operator()(GstMessage* m) const noexcept { gst_message_unref(m); }
};
using PipelinePtr = std::unique_ptr<GstElement, PipelineRelease>;
using ElementPtr = std::unique_ptr<GstElement, ObjectRelease>;
using BusPtr = std::unique_ptr<GstBus, ObjectRelease>;
using MessagePtr = std::unique_ptr<GstMessage, MessageRelease>;

AppError aviError(const QString& why)
{
    return AppError(QStringLiteral("EAviWriter"), QStringLiteral("AVI: %1").arg(why));
}

// First sample of frame k's stretch of sound; integer maths keeps the
// stretches gap-free whatever the rate.
int64_t soundStart(int64_t frame, int rate, int fps) { return frame * rate / fps; }

GstClockTime frameTime(int64_t frame, int fps)
{
    return gst_util_uint64_scale(guint64(frame), GST_SECOND, guint64(fps));
}

void push(GstElement* source, GstBuffer* buffer)
{
    if (gst_app_src_push_buffer(GST_APP_SRC(source), buffer) != GST_FLOW_OK)
        throw aviError(QStringLiteral("a GStreamer nem fogadta el a képkockát"));
}

GstBuffer* pictureBuffer(const QImage& frame, int width, int height, int64_t k, int fps)
{
    // BGRx is the byte order of a 32-bit RGB QImage on a little-endian
    // machine; rows are copied one by one, whatever the image's padding.
    const QImage img = frame.convertToFormat(QImage::Format_RGB32);
    if (img.width() != width || img.height() != height)
        throw aviError(QStringLiteral("a képkockák mérete eltér"));
    const gsize row = gsize(width) * 4;
    GstBuffer* buffer = gst_buffer_new_allocate(nullptr, row * gsize(height), nullptr);
    GstMapInfo map;
    gst_buffer_map(buffer, &map, GST_MAP_WRITE);
    for (int y = 0; y < height; ++y)
        std::memcpy(map.data + row * gsize(y), img.constScanLine(y), row);
    gst_buffer_unmap(buffer, &map);
    GST_BUFFER_PTS(buffer) = frameTime(k, fps);
    GST_BUFFER_DURATION(buffer) = frameTime(k + 1, fps) - frameTime(k, fps);
    return buffer;
}

GstBuffer* soundBuffer(const PcmAudio& sound, int64_t k, int fps)
{
    const int rate = sound.sampleRate;
    const int64_t from = soundStart(k, rate, fps);
    const int64_t to = soundStart(k + 1, rate, fps);
    GstBuffer* buffer = gst_buffer_new_allocate(nullptr, gsize(to - from) * 2, nullptr);
    GstMapInfo map;
    gst_buffer_map(buffer, &map, GST_MAP_WRITE);
    auto* out = reinterpret_cast<int16_t*>(map.data);
    for (int64_t i = from; i < to; ++i)
        out[i - from] = size_t(i) < sound.samples.size() ? sound.samples[size_t(i)] : int16_t(0);
    gst_buffer_unmap(buffer, &map);
    GST_BUFFER_PTS(buffer) = gst_util_uint64_scale(guint64(from), GST_SECOND, guint64(rate));
    GST_BUFFER_DURATION(buffer) =
        gst_util_uint64_scale(guint64(to), GST_SECOND, guint64(rate)) - GST_BUFFER_PTS(buffer);
    return buffer;
}

// Waits for the end of the file or the pipeline's error.
void awaitEnd(GstElement* pipeline)
{
    const BusPtr bus(gst_element_get_bus(pipeline));
    const MessagePtr msg(
        gst_bus_timed_pop_filtered(bus.get(), kQuietLimit, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR)));
    if (!msg)
        throw aviError(QStringLiteral("a GStreamer nem fejezte be az írást"));
    if (GST_MESSAGE_TYPE(msg.get()) == GST_MESSAGE_ERROR) {
        GError* error = nullptr;
        gst_message_parse_error(msg.get(), &error, nullptr);
        const QString text = QString::fromUtf8(error ? error->message : "?");
        g_clear_error(&error);
        throw aviError(text);
    }
}

} // namespace

QByteArray aviBytes(const AviMovie& m)
{
    if (m.width <= 0 || m.height <= 0 || m.framesPerSecond <= 0 || m.frames.empty())
        throw AppError(QStringLiteral("EAviWriter"), QStringLiteral("An AVI needs a size, a frame rate and frames"));
    if (m.hasSound && (m.sound.sampleRate <= 0 || m.sound.channels != 1))
        throw aviError(QStringLiteral("csak egycsatornás hangot ír"));
    GError* initError = nullptr;
    if (!gst_init_check(nullptr, nullptr, &initError)) {
        const QString text = QString::fromUtf8(initError ? initError->message : "?");
        g_clear_error(&initError);
        throw aviError(text);
    }
    // avimux writes its index last and then goes back to the header, so it
    // writes to a file, not to memory.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw aviError(scratch.errorString());
    const QString path = scratch.filePath(QStringLiteral("movie.avi"));

    QString description = QStringLiteral("appsrc name=video format=time ! jpegenc quality=%1 ! "
                                         "avimux name=mux ! filesink name=out")
                              .arg(m.jpegQuality);
    if (m.hasSound)
        description += QStringLiteral(" appsrc name=sound format=time ! mux.");
    GError* parseError = nullptr;
    const PipelinePtr pipeline(gst_parse_launch(description.toUtf8().constData(), &parseError));
    if (parseError) {
        const QString text = QString::fromUtf8(parseError->message);
        g_clear_error(&parseError);
        throw aviError(text);
    }
    const ElementPtr video(gst_bin_get_by_name(GST_BIN(pipeline.get()), "video"));
    const ElementPtr out(gst_bin_get_by_name(GST_BIN(pipeline.get()), "out"));
    const ElementPtr sound(m.hasSound ? gst_bin_get_by_name(GST_BIN(pipeline.get()), "sound") : nullptr);
    g_object_set(out.get(), "location", QFile::encodeName(path).constData(), nullptr);

    GstCaps* videoCaps =
        gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", "width", G_TYPE_INT, m.width, "height",
                            G_TYPE_INT, m.height, "framerate", GST_TYPE_FRACTION, m.framesPerSecond, 1, nullptr);
    // Nothing waits for room in a queue (a failing pipeline would hold the
    // push for ever): every frame is queued at once, an error or the end
    // comes from the bus, which is watched with a limit.
    g_object_set(video.get(), "caps", videoCaps, "max-bytes", guint64(0), nullptr);
    gst_caps_unref(videoCaps);
    if (sound) {
        GstCaps* soundCaps =
            gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", "layout", G_TYPE_STRING, "interleaved",
                                "rate", G_TYPE_INT, m.sound.sampleRate, "channels", G_TYPE_INT, 1, nullptr);
        g_object_set(sound.get(), "caps", soundCaps, "max-bytes", guint64(0), nullptr);
        gst_caps_unref(soundCaps);
    }
    if (gst_element_set_state(pipeline.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        throw aviError(QStringLiteral("a GStreamer nem indult el (jpegenc, avimux?)"));

    const auto frames = int64_t(m.frames.size());
    for (int64_t k = 0; k < frames; ++k) {
        if (sound)
            push(sound.get(), soundBuffer(m.sound, k, m.framesPerSecond));
        push(video.get(), pictureBuffer(m.frames[size_t(k)], m.width, m.height, k, m.framesPerSecond));
    }
    if (sound)
        gst_app_src_end_of_stream(GST_APP_SRC(sound.get()));
    gst_app_src_end_of_stream(GST_APP_SRC(video.get()));
    awaitEnd(pipeline.get());
    gst_element_set_state(pipeline.get(), GST_STATE_NULL);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw aviError(file.errorString());
    return file.readAll();
}

void writeAvi(const QString& path, const AviMovie& movie) { writeFileAtomically(path, aviBytes(movie)); }

void writeAvi(const QString& path, const std::vector<QImage>& frames, int framesPerSecond, const PcmAudio& sound,
              int quality)
{
    AviMovie m;
    if (!frames.empty()) {
        m.width = frames.front().width();
        m.height = frames.front().height();
    }
    m.framesPerSecond = framesPerSecond;
    m.frames = frames;
    m.jpegQuality = quality;
    m.sound = sound;
    writeAvi(path, m);
}

} // namespace ejteto::contentkit
