#include "listening/recording_sounds.h"

#include "app/paths.h"
#include "app/user_choices.h"
#include "app/voice_paths.h"
#include "app/wav_check.h"
#include "media/media_errors.h"
#include "media/media_player.h"
#include "ui/program_state.h"

#include <QWidget>

namespace ejteto {

namespace {

// Slow enough to hear how a vowel is held and glides, not so slow that
// scaletempo's stretching blurs it.
constexpr double kSlowRate = 0.6;

} // namespace

RecordingSounds::RecordingSounds(QWidget* window, const ProgramState& state, std::unique_ptr<MediaEngine> engine)
    : state_(state), player_(new MediaPlayer(std::move(engine), nullptr, window))
{
    player_->setObjectName(QStringLiteral("MediaPlayer1"));
}

void RecordingSounds::setVoice(const QString& voice)
{
    voice_ = voice;
    voices_.reset(); // read again: the voice may have been recorded or imported meanwhile
}

QString RecordingSounds::voice()
{
    if (!voice_)
        voice_ = playbackVoiceChoice();
    return *voice_;
}

std::optional<QString> RecordingSounds::pathOf(const CourseRecording& recording)
{
    if (const QString chosen = voice(); !chosen.isEmpty()) {
        if (!voices_)
            voices_.emplace(state_.MediaDir, userVoicesDir());
        // Checked at every playback, not once: the voice may be being
        // recorded in the "Hangfelvétel" window meanwhile.
        const std::optional<QString> own = voices_->pathOf(recording, chosen);
        if (own && checkWavFile(*own).playable())
            return own;
    }
    return recording.kind == CourseRecording::Kind::Vowel ? vowelRecordingPath(state_.MediaDir, recording.soundId)
                                                          : wordRecordingPath(state_.MediaDir, recording.word);
}

void RecordingSounds::play(const CourseRecording& recording, Speed speed)
{
    const std::optional<QString> path = pathOf(recording);
    if (!path) {
        // A word that is no file name has no recording: it fails as a
        // missing one does, and the file open before is closed as a failed
        // open closes it.
        player_->Close();
        throw fileNotFoundError();
    }
    playRecording(*player_, *path, speed == Speed::Slow ? kSlowRate : 1.0);
}

} // namespace ejteto
