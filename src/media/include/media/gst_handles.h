#pragma once
// Owners for the GStreamer and GLib handles of the media code: each reference
// is given back exactly once, on every path, errors included. A target that
// includes it links GStreamer itself (PkgConfig::GST).
#include <gst/gst.h>
#include <memory>

namespace ejteto::gst {

// Each releaser gives back one kind of handle.
struct ObjectRelease {
    void operator()(gpointer object) const noexcept { gst_object_unref(object); }
};
struct MessageRelease {
    void operator()(GstMessage* message) const noexcept { gst_message_unref(message); }
};
struct CapsRelease {
    void operator()(GstCaps* caps) const noexcept { gst_caps_unref(caps); }
};
struct SampleRelease {
    void operator()(GstSample* sample) const noexcept { gst_sample_unref(sample); }
};
struct ErrorRelease {
    void operator()(GError* error) const noexcept { g_error_free(error); }
};
struct TextRelease {
    void operator()(gchar* text) const noexcept { g_free(text); }
};

template <class T>
using ObjectPtr = std::unique_ptr<T, ObjectRelease>;
using MessagePtr = std::unique_ptr<GstMessage, MessageRelease>;
using CapsPtr = std::unique_ptr<GstCaps, CapsRelease>;
using SamplePtr = std::unique_ptr<GstSample, SampleRelease>;
using ErrorPtr = std::unique_ptr<GError, ErrorRelease>;
using TextPtr = std::unique_ptr<gchar, TextRelease>;

// A new element arrives with a floating reference; its owner takes a full one.
template <class T>
ObjectPtr<T> adoptFloating(T* object)
{
    if (object != nullptr)
        gst_object_ref_sink(object);
    return ObjectPtr<T>(object);
}

// A pipeline goes to NULL before its last reference is dropped: that joins
// its streaming threads, so nothing it feeds is called afterwards.
struct PipelineRelease {
    void operator()(GstElement* pipeline) const noexcept
    {
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(pipeline);
    }
};
using PipelinePtr = std::unique_ptr<GstElement, PipelineRelease>;

} // namespace ejteto::gst
