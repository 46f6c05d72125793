#include "media/gst_runtime.h"

#include "app/scoped_fd.h"
#include "media/media_errors.h"
#include "playback_pipeline.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <future>
#include <libintl.h>
#include <mutex>
#include <sys/stat.h>

namespace ejteto {

namespace {

// The message catalogue of GStreamer's core, which words the file errors.
constexpr const char* kServiceTextDomain = "gstreamer-1.0";

gst::ObjectPtr<GstElement> realTimeFakeSink()
{
    auto sink = gst::adoptFloating(gst_element_factory_make("fakesink", nullptr));
    if (sink)
        g_object_set(sink.get(), "sync", TRUE, nullptr);
    return sink;
}

// The factory of the device the automatic output settles on, or null when
// it settles on none. The automatic output tries every device each time it
// starts, in every pipeline it joins; asking it once and making that device
// directly afterwards spares each new pipeline the search.
GstElementFactory* probeSystemOutput()
{
    auto probe = gst::adoptFloating(gst_element_factory_make("autoaudiosink", nullptr));
    if (!probe)
        return nullptr;
    GstElementFactory* chosen = nullptr;
    if (gst_element_set_state(probe.get(), GST_STATE_READY) != GST_STATE_CHANGE_FAILURE) {
        GstIterator* children = gst_bin_iterate_elements(GST_BIN(probe.get()));
        GValue child = G_VALUE_INIT;
        if (gst_iterator_next(children, &child) == GST_ITERATOR_OK) {
            GstElementFactory* factory = gst_element_get_factory(GST_ELEMENT(g_value_get_object(&child)));
            // Its own stand-in for no device is a fake sink: ours keeps real time.
            if (factory != nullptr && g_strcmp0(GST_OBJECT_NAME(factory), "fakesink") != 0)
                chosen = GST_ELEMENT_FACTORY(gst_object_ref(factory));
            g_value_unset(&child);
        }
        gst_iterator_free(children);
    }
    gst_element_set_state(probe.get(), GST_STATE_NULL);
    return chosen;
}

GstElementFactory* systemOutputDevice()
{
    // Searched for once, kept for the whole process.
    static GstElementFactory* const device = probeSystemOutput();
    return device;
}

gst::ObjectPtr<GstElement> systemSink()
{
    GstElementFactory* device = systemOutputDevice();
    if (device == nullptr)
        return realTimeFakeSink();
    auto sink = gst::adoptFloating(gst_element_factory_create(device, nullptr));
    return sink ? std::move(sink) : realTimeFakeSink();
}

void startGstreamer() { gst_init(nullptr, nullptr); }

// What the first recording would otherwise wait for: the service's start
// and the search for an audio device.
void prepareForRecordings()
{
    startGstreamer();
    if (audioSinkSetting().isEmpty())
        systemOutputDevice();
}

// GStreamer's start-up, run once, on this thread or on a thread of its own.
struct GstreamerStart {
    std::once_flag once;
    std::shared_future<void> done;
};

GstreamerStart& gstreamerStart()
{
    // Its thread, if any, is waited for when the program ends.
    static GstreamerStart start;
    return start;
}

QString serviceText(const char* message) { return QString::fromUtf8(dgettext(kServiceTextDomain, message)); }

} // namespace

QByteArray audioSinkSetting() { return qgetenv("EJTETO_AUDIO_SINK"); }

void ensureGstreamer()
{
    GstreamerStart& start = gstreamerStart();
    std::call_once(start.once, [&start] {
        startGstreamer();
        std::promise<void> started;
        started.set_value();
        start.done = started.get_future().share();
    });
    start.done.wait();
}

void startGstreamerInBackground() noexcept
{
    GstreamerStart& start = gstreamerStart();
    try {
        std::call_once(start.once,
                       [&start] { start.done = std::async(std::launch::async, prepareForRecordings).share(); });
    } catch (const std::exception&) {
        // No thread to be had: the first file starts GStreamer itself.
    }
}

gst::ObjectPtr<GstElement> binFromDescription(const QByteArray& description)
{
    GError* rawError = nullptr;
    auto bin = gst::adoptFloating(gst_parse_bin_from_description(description.constData(), TRUE, &rawError));
    // A description that parsed with warnings still gives a usable bin.
    const gst::ErrorPtr error(rawError);
    if (!bin)
        throw mciDeviceError(error ? QString::fromUtf8(error->message) : genericFailureText());
    return bin;
}

gst::ObjectPtr<GstElement> makeAudioSink()
{
    const QByteArray description = audioSinkSetting();
    return description.isEmpty() ? systemSink() : binFromDescription(description);
}

gst::ObjectPtr<GstElement> makeUnseenVideoSink() { return realTimeFakeSink(); }

namespace {

GstBusSyncReply passKept(GstBus*, GstMessage* message, gpointer kept)
{
    if ((GST_MESSAGE_TYPE(message) & GPOINTER_TO_UINT(kept)) != 0)
        return GST_BUS_PASS;
    // A message the handler drops is the handler's to release; kept, it
    // would hold its element, and with it a whole decoder, for good.
    gst_message_unref(message);
    return GST_BUS_DROP;
}

} // namespace

void keepOnlyNotices(GstElement* pipeline, GstMessageType kept)
{
    const gst::ObjectPtr<GstBus> bus(gst_element_get_bus(pipeline));
    gst_bus_set_sync_handler(bus.get(), passKept, GUINT_TO_POINTER(static_cast<guint>(kept)), nullptr);
}

QString notFoundText()
{
    static const bool utf8 = bind_textdomain_codeset(kServiceTextDomain, "UTF-8") != nullptr;
    Q_UNUSED(utf8);
    const gst::TextPtr text(gst_error_get_message(GST_RESOURCE_ERROR, GST_RESOURCE_ERROR_NOT_FOUND));
    return QString::fromUtf8(text.get());
}

QString unreadableFileText(const QString& path)
{
    // The service's own texts come in UTF-8 once it runs; before that, too.
    static const bool utf8 = bind_textdomain_codeset(kServiceTextDomain, "UTF-8") != nullptr;
    Q_UNUSED(utf8);

    // Read as the service's file source reads it: open, then look at what
    // was opened. Not blocking keeps a named pipe from holding the window.
    const QString file = servicePath(path);
    const QByteArray name = QFile::encodeName(file);
    const ScopedFd fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.isValid()) {
        if (errno == ENOENT)
            return notFoundText();
        return serviceText("Could not open file \"%s\" for reading.").replace(QLatin1String("%s"), file);
    }
    struct stat info {};
    if (fstat(fd.get(), &info) == 0 && S_ISDIR(info.st_mode))
        return serviceText("\"%s\" is a directory.").replace(QLatin1String("%s"), file);
    // The service finds a file's kind from its first bytes; an empty file or
    // one that is no RIFF file of the kind its name says (WAVE sound, AVI
    // video) is one it could never open.
    char head[12] = {};
    const ssize_t got = S_ISREG(info.st_mode) ? ::read(fd.get(), head, sizeof head) : 0;
    if (got == 0)
        return serviceText("Stream contains no data.");
    const QByteArrayView form = isAudioOnlyFile(path) ? QByteArrayView("WAVE") : QByteArrayView("AVI ");
    if (got != static_cast<ssize_t>(sizeof head) || QByteArrayView(head, 4) != "RIFF" ||
        QByteArrayView(head + 8, 4) != form)
        return serviceText("Could not determine type of stream.");
    return {};
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
