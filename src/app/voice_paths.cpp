#include "app/voice_paths.h"

#include "app/paths.h"

#include <QDir>

namespace ejteto {

QString voicesDirOf(const QString& mediaDir) { return mediaDir + QStringLiteral("/voices"); }

std::optional<QString> voiceWordRecordingPath(const QString& mediaDir, const QString& voice, const QString& word)
{
    if (!isPlainFileName(voice) || !isPlainFileName(word))
        return std::nullopt;
    return voicesDirOf(mediaDir) + QLatin1Char('/') + voice + QStringLiteral("/words/") + word + QStringLiteral(".wav");
}

QString voiceVowelRecordingPath(const QString& mediaDir, const QString& voice, int n)
{
    return voicesDirOf(mediaDir) + QLatin1Char('/') + voice + QStringLiteral("/phones/") + QString::number(n) +
           QStringLiteral(".wav");
}

QStringList voiceFolders(const QString& mediaDir)
{
    return QDir(voicesDirOf(mediaDir)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace ejteto
