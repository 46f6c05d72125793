#include "video_frame_sink.h"

#include <QtEndian>
#include <gst/app/gstappsink.h>
#include <gst/video/video.h>
#include <cstring>

namespace ejteto {

namespace {

// QImage::Format_RGB32 is 0xffRRGGBB in native byte order.
constexpr const char* kFrameCaps = (Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
                                       ? "video/x-raw,format=BGRx"
                                       : "video/x-raw,format=xRGB";

QImage imageFromSample(GstSample* sample)
{
    GstVideoInfo info;
    if (sample == nullptr || !gst_video_info_from_caps(&info, gst_sample_get_caps(sample)))
        return {};
    GstVideoFrame frame;
    if (!gst_video_frame_map(&frame, &info, gst_sample_get_buffer(sample), GST_MAP_READ))
        return {};
    QImage image(GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info), QImage::Format_RGB32);
    if (!image.isNull()) {
        const auto* source = static_cast<const uchar*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0));
        const int stride = GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0);
        const size_t rowBytes = static_cast<size_t>(image.width()) * 4;
        for (int y = 0; y < image.height(); ++y)
            std::memcpy(image.scanLine(y), source + static_cast<ptrdiff_t>(y) * stride, rowBytes);
    }
    gst_video_frame_unmap(&frame);
    return image;
}

// Streaming-thread callbacks: nothing may unwind into GStreamer's C frames.
GstFlowReturn deliver(GstSample* sample, bool preroll, gpointer userData)
{
    try {
        QImage image = imageFromSample(sample);
        if (!image.isNull())
            (*static_cast<FrameHandler*>(userData))(std::move(image), preroll);
    } catch (...) {
        // A frame that cannot be copied is skipped; the next one may fit.
    }
    if (sample != nullptr)
        gst_sample_unref(sample);
    return GST_FLOW_OK;
}

GstFlowReturn onPreroll(GstAppSink* sink, gpointer userData)
{
    return deliver(gst_app_sink_pull_preroll(sink), true, userData);
}

GstFlowReturn onSample(GstAppSink* sink, gpointer userData)
{
    return deliver(gst_app_sink_pull_sample(sink), false, userData);
}

void releaseHandler(gpointer userData)
{
    delete static_cast<FrameHandler*>(userData);
}

} // namespace

GstElement* makeVideoFrameSink(FrameHandler handler)
{
    GstElement* sink = gst_element_factory_make("appsink", nullptr);
    if (sink == nullptr)
        return nullptr;
    gst_object_ref_sink(sink);
    GstCaps* caps = gst_caps_from_string(kFrameCaps);
    g_object_set(sink, "caps", caps, "sync", TRUE, "max-buffers", 2u, "drop", TRUE, nullptr);
    gst_caps_unref(caps);

    GstAppSinkCallbacks callbacks{};
    callbacks.new_preroll = onPreroll;
    callbacks.new_sample = onSample;
    gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks,
                               new FrameHandler(std::move(handler)), releaseHandler);
    return sink;
}

} // namespace ejteto
