#include "content/voice_library.h"

#include "app/paths.h"
#include "app/voice_paths.h"
#include "app/wav_check.h"

namespace ejteto {

FolderVoiceLibrary::FolderVoiceLibrary(QString mediaDir) : mediaDir_(std::move(mediaDir))
{
    voices_ = voiceFolders(mediaDir_);
}

std::optional<QString> FolderVoiceLibrary::pathOf(const CourseRecording& r, const QString& voice) const
{
    if (r.kind == CourseRecording::Kind::Vowel)
        return voice.isEmpty() ? vowelRecordingPath(mediaDir_, r.soundId)
                               : voiceVowelRecordingPath(mediaDir_, voice, r.soundId);
    return voice.isEmpty() ? wordRecordingPath(mediaDir_, r.word) : voiceWordRecordingPath(mediaDir_, voice, r.word);
}

bool FolderVoiceLibrary::playable(const CourseRecording& r, const QString& voice)
{
    const std::optional<QString> path = pathOf(r, voice);
    if (!path)
        return false;
    const auto known = checked_.constFind(*path);
    if (known != checked_.constEnd())
        return *known;
    const bool ok = checkWavFile(*path).playable();
    checked_.insert(*path, ok);
    return ok;
}

void FolderVoiceLibrary::markBroken(const CourseRecording& r, const QString& voice)
{
    if (const std::optional<QString> path = pathOf(r, voice))
        checked_.insert(*path, false);
}

} // namespace ejteto
