#pragma once
// "Hangfelvétel" as the main window offers it: the recording window with
// its microphone, the model recordings it plays, the user's voices folder
// its takes go to and the voice packs it exports and imports; made once
// after the main window, opened by Ctrl+E and by its line in the tiles'
// right-click menu.
#include "content/voice_recorder.h"
#include "media/media_engine.h"

#include <QString>
#include <functional>
#include <memory>

namespace ejteto {

class RecordingWindow;
class ToolHost;

// Left empty, the real ones: GStreamer, the program's microphone, the
// user's voices folder (userVoicesDir()).
struct RecordingToolServices {
    MediaEngineFactory engines;
    VoiceRecorderFactory recorders;
    QString voicesDir;
    QString courseVersion; // written in the manifest of a voice recorded here
    // The voices changed (one imported): whoever plays voices reads them again.
    std::function<void()> voicesChanged;
};

class RecordingTool {
public:
    RecordingTool(ToolHost& host, RecordingToolServices services);
    ~RecordingTool();

    RecordingWindow& window();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Makes the tool and offers it on `host`: key Ctrl+E, menu line "Hangfelvétel".
std::unique_ptr<RecordingTool> installVoiceRecording(ToolHost& host, RecordingToolServices services = {});

} // namespace ejteto
