#include "app/paths.h"

#include <QCoreApplication>

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

QString wordRecordingPath(const QString& mediaDir, const QString& word)
{
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

} // namespace ejteto
