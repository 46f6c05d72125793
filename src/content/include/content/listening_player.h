#pragma once
// The drill's sound: one recording in one voice, with noise mixed in on the
// harder step. The window plays through its media player; tests note it.
#include "content/recording_player.h"

#include <QString>

namespace ejteto {

struct ListeningSound {
    CourseRecording recording;
    QString voice;      // "" for the model voice
    bool noisy = false; // mix noise in at `snrDb` below the voice
    int snrDb = 0;
};

class ListeningPlayer {
public:
    virtual ~ListeningPlayer() = default;
    // Plays `sound` to its end; a recording that cannot be played raises.
    virtual void play(const ListeningSound& sound) = 0;
};

} // namespace ejteto
