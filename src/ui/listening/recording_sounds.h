#pragma once
// The window's playback of words and vowels: each recording opened on the
// hidden media player, played to its end and closed again.
#include "content/recording_player.h"

#include <memory>

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

private:
    const ProgramState& state_;
    MediaPlayer* player_;
};

} // namespace ejteto
