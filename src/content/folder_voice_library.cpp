#include "content/voice_library.h"

#include "app/paths.h"
#include "app/voice_paths.h"
#include "app/wav_check.h"

namespace ejteto {

FolderVoiceLibrary::FolderVoiceLibrary(QString mediaDir, QString userVoicesDir)
    : mediaDir_(std::move(mediaDir)), userVoicesDir_(std::move(userVoicesDir))
{
    rescan();
}

void FolderVoiceLibrary::rescan()
{
    folderOf_.clear();
    for (const QString& v : voiceFolders(mediaDir_))
        folderOf_.insert(v, voicesDirOf(mediaDir_));
    if (!userVoicesDir_.isEmpty())
        for (const QString& v : voiceFoldersIn(userVoicesDir_))
            folderOf_.insert(v, userVoicesDir_);
    voices_ = folderOf_.keys();
    voices_.sort();
    checked_.clear();
}

std::optional<QString> FolderVoiceLibrary::pathOf(const CourseRecording& r, const QString& voice) const
{
    if (voice.isEmpty())
        return r.kind == CourseRecording::Kind::Vowel ? vowelRecordingPath(mediaDir_, r.soundId)
                                                      : wordRecordingPath(mediaDir_, r.word);
    const auto folder = folderOf_.constFind(voice);
    if (folder == folderOf_.constEnd())
        return std::nullopt;
    if (r.kind == CourseRecording::Kind::Vowel)
        return voiceVowelRecordingPathIn(*folder, voice, r.soundId);
    return voiceWordRecordingPathIn(*folder, voice, r.word);
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
