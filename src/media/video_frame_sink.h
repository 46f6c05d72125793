#pragma once
// A video sink that hands every decoded frame over as a QImage, so a plain
// widget can draw the video on any Qt platform (offscreen included).
#include "media/gst_handles.h"

#include <QImage>
#include <functional>

namespace ejteto {

// Called on a GStreamer streaming thread with a copy of each frame, and
// whether it is a preroll frame (the one a pause or a seek holds ready);
// it must be thread safe. What it throws is swallowed: a frame is skipped.
using FrameHandler = std::function<void(QImage, bool preroll)>;

// An appsink that plays in real time and converts to 32-bit RGB; the handler
// lives as long as the sink does.
gst::ObjectPtr<GstElement> makeVideoFrameSink(FrameHandler handler);

} // namespace ejteto
