#pragma once
// The listening drill as the main window offers it: the "Hallásgyakorlat"
// window with everything it plays through, made once after the main window,
// opened by Ctrl+G and by its line in the tiles' right-click menu.
#include "media/media_engine.h"

#include <memory>

namespace ejteto {

class Clock;
class ListeningAnswerSink;
class ListeningWindow;
class RandomSource;
class ToolHost;

// Left empty, the real ones: GStreamer, the wall clock, the program's random source.
struct ListeningToolServices {
    MediaEngineFactory engines;
    Clock* clock = nullptr;         // not owned
    RandomSource* random = nullptr; // not owned
};

class ListeningTool {
public:
    ListeningTool(ToolHost& host, const ListeningToolServices& services = {});
    ~ListeningTool();

    ListeningWindow& window() { return *window_; }
    // Where every answer goes (the learner's history); none by default.
    void setAnswerSink(ListeningAnswerSink* sink);
    // Reads the voices folders again (on every opening): a voice imported
    // or recorded meanwhile joins the drill.
    void reloadVoices();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
    std::unique_ptr<ListeningWindow> window_;
};

// Makes the drill and offers it on `host`: key Ctrl+G, menu line "Hallásgyakorlat".
std::unique_ptr<ListeningTool> installListeningDrill(ToolHost& host, const ListeningToolServices& services = {});

} // namespace ejteto
