#include "app/voice_paths.h"

#include "app/paths.h"

#include <QDir>

namespace ejteto {

QString voicesDirOf(const QString& mediaDir) { return mediaDir + QStringLiteral("/voices"); }

std::optional<QString> voiceWordRecordingPath(const QString& mediaDir, const QString& voice, const QString& word)
{
    return voiceWordRecordingPathIn(voicesDirOf(mediaDir), voice, word);
}

std::optional<QString> voiceWordRecordingPathIn(const QString& voicesDir, const QString& voice, const QString& word)
{
    if (!isPlainFileName(voice) || !isPlainFileName(word))
        return std::nullopt;
    return voicesDir + QLatin1Char('/') + voice + QStringLiteral("/words/") + word + QStringLiteral(".wav");
}

std::optional<QString> voiceVowelRecordingPathIn(const QString& voicesDir, const QString& voice, int n)
{
    if (!isPlainFileName(voice))
        return std::nullopt;
    return voicesDir + QLatin1Char('/') + voice + QStringLiteral("/phones/") + QString::number(n) +
           QStringLiteral(".wav");
}

QString voiceVowelRecordingPath(const QString& mediaDir, const QString& voice, int n)
{
    return voicesDirOf(mediaDir) + QLatin1Char('/') + voice + QStringLiteral("/phones/") + QString::number(n) +
           QStringLiteral(".wav");
}

QStringList voiceFolders(const QString& mediaDir) { return voiceFoldersIn(voicesDirOf(mediaDir)); }

QStringList voiceFoldersIn(const QString& voicesDir)
{
    return QDir(voicesDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QString userVoicesDir()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/ejteto/voices");
}

} // namespace ejteto
