#include "recording_sounds.h"

#include "app/paths.h"
#include "media/media_player.h"
#include "ui/program_state.h"

#include <QWidget>

namespace ejteto {

RecordingSounds::RecordingSounds(QWidget* window, const ProgramState& state, std::unique_ptr<MediaEngine> engine)
    : state_(state), player_(new MediaPlayer(std::move(engine), nullptr, window))
{
    player_->setObjectName(QStringLiteral("MediaPlayer1"));
}

void RecordingSounds::playWord(const QString& word)
{
    playRecording(*player_, wordRecordingPath(state_.MediaDir, word));
}

void RecordingSounds::playVowel(int soundId) { playRecording(*player_, vowelRecordingPath(state_.MediaDir, soundId)); }

} // namespace ejteto
