#include "recording_sounds.h"

#include "app/paths.h"
#include "media/media_player.h"
#include "ui/program_state.h"

namespace ejteto {

RecordingSounds::RecordingSounds(QWidget* window, const ProgramState& state)
    : state_(state), player_(new MediaPlayer(window))
{
    player_->setObjectName(QStringLiteral("MediaPlayer1"));
    player_->hide();
}

void RecordingSounds::playWord(const QString& word)
{
    playRecording(*player_, wordRecordingPath(state_.MediaDir, word));
}

void RecordingSounds::playVowel(int soundId) { playRecording(*player_, vowelRecordingPath(state_.MediaDir, soundId)); }

} // namespace ejteto
