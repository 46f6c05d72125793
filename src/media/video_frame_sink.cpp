#include "video_frame_sink.h"

#include <QtEndian>
#include <cstring>
#include <gst/app/gstappsink.h>
#include <gst/video/video.h>

namespace ejteto {

namespace {

// QImage::Format_RGB32 is 0xffRRGGBB in native byte order.
constexpr const char* kFrameCaps =
    (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) ? "video/x-raw,format=BGRx" : "video/x-raw,format=xRGB";

// A video frame mapped for reading, unmapped when it goes.
class MappedFrame {
public:
    MappedFrame(GstVideoInfo* info, GstBuffer* buffer)
        : mapped_(gst_video_frame_map(&frame_, info, buffer, GST_MAP_READ) != 0)
    {
    }
    ~MappedFrame()
    {
        if (mapped_)
            gst_video_frame_unmap(&frame_);
    }
    MappedFrame(const MappedFrame&) = delete;
    MappedFrame& operator=(const MappedFrame&) = delete;

    bool isMapped() const { return mapped_; }
    const uchar* plane() const { return static_cast<const uchar*>(GST_VIDEO_FRAME_PLANE_DATA(&frame_, 0)); }
    int stride() const { return GST_VIDEO_FRAME_PLANE_STRIDE(&frame_, 0); }

private:
    GstVideoFrame frame_{};
    bool mapped_;
};

QImage imageFromSample(GstSample* sample)
{
    GstVideoInfo info;
    if (!gst_video_info_from_caps(&info, gst_sample_get_caps(sample)))
        return {};
    const MappedFrame frame(&info, gst_sample_get_buffer(sample));
    if (!frame.isMapped())
        return {};
    QImage image(GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info), QImage::Format_RGB32);
    const size_t rowBytes = static_cast<size_t>(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), frame.plane() + static_cast<ptrdiff_t>(y) * frame.stride(), rowBytes);
    return image;
}

// Streaming-thread callbacks: nothing may unwind into GStreamer's C frames.
GstFlowReturn deliver(gst::SamplePtr sample, bool preroll, gpointer userData)
{
    if (!sample)
        return GST_FLOW_OK;
    try {
        QImage image = imageFromSample(sample.get());
        if (!image.isNull())
            (*static_cast<FrameHandler*>(userData))(std::move(image), preroll);
    } catch (...) {
        // A frame that cannot be copied or handed over is skipped; the next
        // one may fit.
    }
    return GST_FLOW_OK;
}

GstFlowReturn onPreroll(GstAppSink* sink, gpointer userData)
{
    return deliver(gst::SamplePtr(gst_app_sink_pull_preroll(sink)), true, userData);
}

GstFlowReturn onSample(GstAppSink* sink, gpointer userData)
{
    return deliver(gst::SamplePtr(gst_app_sink_pull_sample(sink)), false, userData);
}

void releaseHandler(gpointer userData) { delete static_cast<FrameHandler*>(userData); }

} // namespace

gst::ObjectPtr<GstElement> makeVideoFrameSink(FrameHandler handler)
{
    auto sink = gst::adoptFloating(gst_element_factory_make("appsink", nullptr));
    if (!sink)
        return sink;
    const gst::CapsPtr caps(gst_caps_from_string(kFrameCaps));
    g_object_set(sink.get(), "caps", caps.get(), "sync", TRUE, "max-buffers", 2u, "drop", TRUE, nullptr);

    GstAppSinkCallbacks callbacks{};
    callbacks.new_preroll = onPreroll;
    callbacks.new_sample = onSample;
    // The sink owns the handler from here and deletes it when it goes.
    auto owned = std::make_unique<FrameHandler>(std::move(handler));
    gst_app_sink_set_callbacks(GST_APP_SINK(sink.get()), &callbacks, owned.release(), releaseHandler);
    return sink;
}

} // namespace ejteto
