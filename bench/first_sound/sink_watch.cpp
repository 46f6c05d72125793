#include "first_sound/sink_watch.h"

#include "support/clock.h"
#include "support/figures.h"

#include <atomic>
#include <cstring>
#include <gst/gst.h>

namespace ejteto::bench {

namespace {

std::atomic<bool> armed{false};
std::atomic<int64_t> firstNs{-1};

void note()
{
    if (!armed.load())
        return;
    int64_t none = -1;
    firstNs.compare_exchange_strong(none, nowNs());
}

gboolean onHandoff(GSignalInvocationHint*, guint, const GValue*, gpointer)
{
    note();
    return TRUE; // stay installed
}

GstPadProbeReturn onDeviceBuffer(GstPad* pad, GstPadProbeInfo*, gpointer)
{
    GstElement* sink = gst_pad_get_parent_element(pad);
    if (sink != nullptr) {
        if (GST_STATE(sink) == GST_STATE_PLAYING)
            note();
        gst_object_unref(sink);
    }
    return GST_PAD_PROBE_OK;
}

bool isFactory(GstElement* e, const char* name)
{
    GstElementFactory* f = gst_element_get_factory(e);
    return f != nullptr && std::strcmp(GST_OBJECT_NAME(f), name) == 0;
}

bool isAudioDeviceSink(GstElement* e)
{
    GstElementFactory* f = gst_element_get_factory(e);
    if (f == nullptr || GST_IS_BIN(e))
        return false;
    const gchar* klass = gst_element_factory_get_metadata(f, GST_ELEMENT_METADATA_KLASS);
    return klass != nullptr && std::strstr(klass, "Sink") != nullptr && std::strstr(klass, "Audio") != nullptr;
}

gboolean onElementAdded(GSignalInvocationHint*, guint count, const GValue* params, gpointer)
{
    if (count < 2)
        return TRUE;
    auto* element = GST_ELEMENT(g_value_get_object(&params[1]));
    if (isFactory(element, "fakesink")) {
        g_object_set(element, "signal-handoffs", TRUE, nullptr);
    } else if (isAudioDeviceSink(element)) {
        if (GstPad* pad = gst_element_get_static_pad(element, "sink")) {
            gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, onDeviceBuffer, nullptr, nullptr);
            gst_object_unref(pad);
        }
    }
    return TRUE;
}

GType fakesinkType()
{
    GstElement* probe = gst_element_factory_make("fakesink", nullptr);
    if (probe == nullptr)
        fail(QStringLiteral("GStreamer has no fakesink"));
    const GType type = G_OBJECT_TYPE(probe);
    gst_object_unref(gst_object_ref_sink(probe));
    return type;
}

} // namespace

void installSinkWatch()
{
    g_signal_add_emission_hook(g_signal_lookup("handoff", fakesinkType()), 0, onHandoff, nullptr, nullptr);
    g_signal_add_emission_hook(g_signal_lookup("element-added", GST_TYPE_BIN), 0, onElementAdded, nullptr, nullptr);
}

void armSinkWatch()
{
    firstNs = -1;
    armed = true;
}

int64_t firstRenderedBufferNs()
{
    armed = false;
    return firstNs.load();
}

} // namespace ejteto::bench
