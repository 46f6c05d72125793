#pragma once
// The listening drill's playback: the recording of a trial in its voice,
// opened on the drill's own media player, played to its end and closed. On
// the harder step the noise is mixed into the samples and the mix is played
// from a temporary file.
#include "content/listening_player.h"
#include "media/media_engine.h"

#include <QTemporaryDir>
#include <memory>

namespace ejteto {

class FolderVoiceLibrary;
class MediaPlayer;

class DrillSounds : public ListeningPlayer {
public:
    DrillSounds(const FolderVoiceLibrary& library, std::unique_ptr<MediaEngine> engine);
    ~DrillSounds() override;

    void play(const ListeningSound& sound) override;

private:
    // The file to play: the recording itself, or its mix with noise. A
    // recording that is not 16-bit PCM plays as it is.
    QString noisyCopyOf(const QString& path, int snrDb);

    const FolderVoiceLibrary& library_;
    std::unique_ptr<MediaPlayer> player_;
    std::unique_ptr<QTemporaryDir> scratch_; // made at the first noisy trial
    uint32_t noiseSeed_ = 1;
};

} // namespace ejteto
