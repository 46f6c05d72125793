#pragma once
// The floor of the first-sound figure: the least a GStreamer program does to
// play a WAV file on demand. One playbin is kept warm and its audio output
// is chosen once; each play opens the file, plays it to its end and goes
// back to READY.
#include <QString>
#include <gst/gst.h>

namespace ejteto::bench {

// The output the floor plays through: `fixedDescription` when it is not
// empty; otherwise the system's automatic output when it can be opened, or
// else a fake sink running in real time (what the program falls back to).
GstElement* chooseFloorSink(const QByteArray& fixedDescription);

class FloorPlayer {
public:
    explicit FloorPlayer(GstElement* audioSink); // takes the sink
    ~FloorPlayer();
    FloorPlayer(const FloorPlayer&) = delete;
    FloorPlayer& operator=(const FloorPlayer&) = delete;

    // Opens `path` and plays it to its end.
    void play(const QString& path);

private:
    GstElement* playbin_ = nullptr;
    GstBus* bus_ = nullptr;
};

} // namespace ejteto::bench
