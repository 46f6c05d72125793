#include "voice_packs/voice_folder_store.h"

#include "app/wav_check.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>

namespace ejteto {

namespace {
QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// The canonical 44-byte header and the take's first channel.
QByteArray monoWav(const VoiceTake& take)
{
    const int channels = std::max(take.channels, 1);
    QByteArray data;
    data.reserve(take.samples.size() / channels);
    for (qsizetype i = 0; i + 1 < take.samples.size(); i += 2 * channels)
        data.append(take.samples.constData() + i, 2);
    const auto rate = quint32(take.sampleRate);
    return QByteArrayLiteral("RIFF") + le32(quint32(36 + data.size())) + QByteArrayLiteral("WAVEfmt ") + le32(16) +
           le16(1) + le16(1) + le32(rate) + le32(rate * 2) + le16(2) + le16(16) + QByteArrayLiteral("data") +
           le32(quint32(data.size())) + data;
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
    return {};
}

} // namespace ejteto
