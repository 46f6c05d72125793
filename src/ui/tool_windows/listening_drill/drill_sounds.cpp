#include "tool_windows/listening_drill/drill_sounds.h"

#include "audio/noise_mix.h"
#include "audio/wav_file.h"
#include "content/voice_library.h"
#include "media/media_errors.h"
#include "media/media_player.h"

#include <QFile>

namespace ejteto {

DrillSounds::DrillSounds(const FolderVoiceLibrary& library, std::unique_ptr<MediaEngine> engine)
    : library_(library), player_(std::make_unique<MediaPlayer>(std::move(engine)))
{
    player_->setObjectName(QStringLiteral("MediaPlayer_Hallasgyakorlat"));
}

DrillSounds::~DrillSounds() = default;

void DrillSounds::play(const ListeningSound& sound)
{
    const std::optional<QString> path = library_.pathOf(sound.recording, sound.voice);
    if (!path)
        throw fileNotFoundError(); // the drill never offers such a word
    playRecording(*player_, sound.noisy ? noisyCopyOf(*path, sound.snrDb) : *path);
}

QString DrillSounds::noisyCopyOf(const QString& path, int snrDb)
{
    // A file that is no usable recording plays as it is: the player says why.
    const WavReading voice = readWavFile(path);
    if (!voice.check.playable())
        return path;
    if (!scratch_)
        scratch_ = std::make_unique<QTemporaryDir>();
    if (!scratch_->isValid())
        return path; // no room for the mix: the trial is heard without noise
    const QString mixPath = scratch_->filePath(QStringLiteral("zajos.wav"));
    QFile out(mixPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(wavBytes(mixNoise(mixedToMono(voice.audio), snrDb, noiseSeed_++))) < 0)
        return path;
    return mixPath;
}

} // namespace ejteto
