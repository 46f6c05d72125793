#include "app/paths.h"

#include <QCoreApplication>
#include <algorithm>

namespace ejteto {

QString appDirOf(const QString& executablePath)
{
    return executablePath.left(executablePath.lastIndexOf(QLatin1Char('/')) + 1);
}

QString mediaDirOf(const QString& appDir) { return appDir + QStringLiteral("/media"); }

QString currentAppDir() { return appDirOf(QCoreApplication::applicationFilePath()); }

QString answerSpeakerPath(const QString& appDir) { return appDir + QStringLiteral("/images/speaker_blue.jpg"); }

QString wordIndexSpeakerPath(const QString& appDir) { return appDir + QStringLiteral("/images/speaker_brown.jpg"); }

QString inactiveTilePath(const QString& appDir, int n)
{
    return appDir + QStringLiteral("/images/lecke_i_") + QString::number(n) + QStringLiteral(".jpg");
}

QString activeTilePath(const QString& appDir, int n)
{
    return appDir + QStringLiteral("/images/lecke_a_") + QString::number(n) + QStringLiteral(".jpg");
}

std::optional<QString> wordRecordingPath(const QString& mediaDir, const QString& word)
{
    if (!isPlainFileName(word))
        return std::nullopt;
    return mediaDir + QStringLiteral("/words/") + word + QStringLiteral(".wav");
}

QString vowelRecordingPath(const QString& mediaDir, int n)
{
    return mediaDir + QStringLiteral("/phones/") + QString::number(n) + QStringLiteral(".wav");
}

QString lectureVideoPath(const QString& mediaDir, int n)
{
    return mediaDir + QStringLiteral("/videos/") + QString::number(n) + QStringLiteral(".avi");
}

bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.contains(QLatin1String("..")))
        return false;
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
    });
}

} // namespace ejteto
