#pragma once
// The window's playback of words and vowels: each recording opened on the
// hidden media player, played to its end and closed again. In the voice the
// learner chose, where that voice has a playable recording of it; in the
// course's own otherwise.
#include "content/recording_player.h"
#include "content/voice_library.h"

#include <memory>
#include <optional>

class QWidget;

namespace ejteto {

class MediaEngine;
class MediaPlayer;
struct ProgramState;

class RecordingSounds : public RecordingPlayer {
public:
    RecordingSounds(QWidget* window, const ProgramState& state, std::unique_ptr<MediaEngine> engine);

    // MediaPlayer1: it opens its placeholder when the window is created.
    MediaPlayer& player() { return *player_; }

    void play(const CourseRecording& recording, Speed speed) override;

    // The chosen voice: "" for the course's own recordings. Until set, the
    // choice kept in the user's settings, read at the first playback.
    void setVoice(const QString& voice);
    QString voice();

private:
    // The file to play: the chosen voice's recording, else the course's.
    std::optional<QString> pathOf(const CourseRecording& recording);

    const ProgramState& state_;
    MediaPlayer* player_;
    std::optional<QString> voice_;             // read from the settings once
    std::optional<FolderVoiceLibrary> voices_; // made once a voice is chosen
};

} // namespace ejteto
