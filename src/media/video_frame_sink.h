#pragma once
// A video sink that hands every decoded frame over as a QImage, so a plain
// widget can draw the video on any Qt platform (offscreen included).
#include <QImage>
#include <functional>
#include <gst/gst.h>

namespace ejteto {

// Called on a GStreamer streaming thread with a copy of each frame, and
// whether it is a preroll frame (the one a pause or a seek holds ready);
// it must be thread safe and must not throw.
using FrameHandler = std::function<void(QImage, bool preroll)>;

// An appsink that plays in real time and converts to 32-bit RGB. Returns a
// full reference that the caller releases; the handler lives as long as the
// sink does.
GstElement* makeVideoFrameSink(FrameHandler handler);

} // namespace ejteto
