#include "content/voice_library.h"

#include "app/paths.h"
#include "app/voice_paths.h"
#include "app/wav_check.h"

namespace ejteto {

FolderVoiceLibrary::FolderVoiceLibrary(QString mediaDir) : mediaDir_(std::move(mediaDir))
{
    voices_ = voiceFolders(mediaDir_);
}

QString FolderVoiceLibrary::pathOf(const CourseRecording& r, const QString& voice) const
{
    const bool vowel = r.kind == CourseRecording::Kind::Vowel;
    if (voice.isEmpty())
        return vowel ? vowelRecordingPath(mediaDir_, r.soundId) : wordRecordingPath(mediaDir_, r.word);
    return vowel ? voiceVowelRecordingPath(mediaDir_, voice, r.soundId)
                 : voiceWordRecordingPath(mediaDir_, voice, r.word);
}

bool FolderVoiceLibrary::playable(const CourseRecording& r, const QString& voice)
{
    const QString path = pathOf(r, voice);
    const auto known = checked_.constFind(path);
    if (known != checked_.constEnd())
        return *known;
    const bool ok = checkWavFile(path).playable();
    checked_.insert(path, ok);
    return ok;
}

void FolderVoiceLibrary::markBroken(const CourseRecording& r, const QString& voice)
{
    checked_.insert(pathOf(r, voice), false);
}

} // namespace ejteto
