#include "recording_source.h"

#include "media/gst_runtime.h"

#include <QByteArray>

namespace ejteto {

RecordingSource makeRecordingSource()
{
    const QByteArray description = qgetenv("EJTETO_AUDIO_SOURCE");
    if (description.isEmpty())
        return {gst::adoptFloating(gst_element_factory_make("autoaudiosrc", nullptr)), true};
    return {binFromDescription(description), false};
}

bool isSilentStandIn(GstElement* automaticSource)
{
    // Without a device the automatic source plays a silent audiotestsrc
    // rather than fail; a take from it would be silence passed off as the
    // learner's voice.
    bool standIn = false;
    GstIterator* children = gst_bin_iterate_elements(GST_BIN(automaticSource));
    GValue item = G_VALUE_INIT;
    while (gst_iterator_next(children, &item) == GST_ITERATOR_OK) {
        auto* child = GST_ELEMENT(g_value_get_object(&item));
        GstElementFactory* factory = gst_element_get_factory(child);
        if (factory != nullptr && g_strcmp0(GST_OBJECT_NAME(factory), "audiotestsrc") == 0)
            standIn = true;
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(children);
    return standIn;
}

} // namespace ejteto
