#include "tool_windows/listening_drill/drill_sounds.h"

#include "app/regular_file.h"
#include "app/wav_check.h"
#include "content/noise_mix.h"
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
    const FileRead read = readRegularFile(path, kMaxRecordingBytes);
    const std::optional<MonoPcm> voice = read.bytes ? readPcm16Wav(*read.bytes) : std::nullopt;
    if (!voice)
        return path;
    if (!scratch_)
        scratch_ = std::make_unique<QTemporaryDir>();
    if (!scratch_->isValid())
        return path; // no room for the mix: the trial is heard without noise
    const QString mixPath = scratch_->filePath(QStringLiteral("zajos.wav"));
    QFile out(mixPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(pcm16WavBytes(mixNoise(*voice, snrDb, noiseSeed_++))) < 0)
        return path;
    return mixPath;
}

} // namespace ejteto
