#include "voice_packs/voice_folder_store.h"

#include "app/wav_check.h"
#include "audio/wav_file.h"
#include "voice_packs/pack_layout.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace ejteto {

namespace {
// The take's first channel, as every recording of a voice folder is mono.
QByteArray monoWav(const VoiceTake& take)
{
    PcmAudio mono{take.sampleRate, 1, {}};
    const auto channels = static_cast<size_t>(std::max(take.channels, 1));
    mono.samples.reserve(take.samples.size() / channels);
    for (size_t i = 0; i < take.samples.size(); i += channels)
        mono.samples.push_back(take.samples[i]);
    return wavBytes(mono);
}
} // namespace

bool VoiceFolderStore::has(const RecordingItem& item) const
{
    return QFileInfo(QDir(folder_).filePath(item.relativePath())).isFile();
}

QString VoiceFolderStore::keep(const RecordingItem& item, const VoiceTake& take)
{
    const QString path = QDir(folder_).filePath(item.relativePath());
    if (!QDir().mkpath(QFileInfo(path).path()))
        return QStringLiteral("A hang mappája nem hozható létre: %1").arg(QFileInfo(path).path());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(monoWav(take)) < 0 || !f.commit())
        return QStringLiteral("A felvétel nem menthető: %1 (%2)").arg(path, f.errorString());
    // A manifest the speaker or an import wrote stays as it is.
    if (manifest_ && !QFileInfo::exists(QDir(folder_).filePath(kManifestFileName)))
        return writeManifestFile(folder_, *manifest_);
    return {};
}

} // namespace ejteto
