#include "app/user_choices.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace ejteto {

namespace {
const QString kPlaybackVoiceKey = QStringLiteral("Lejatszas/Hang");
const QString kRecordingVoiceKey = QStringLiteral("Felvetel/Hang");

QString choice(const QString& key, const QString& configHome)
{
    const QString path = userChoicesPath(configHome);
    if (!QFileInfo(path).isFile())
        return {};
    const QSettings s(path, QSettings::IniFormat);
    return s.value(key).toString();
}

QString keepChoice(const QString& key, const QString& value, const QString& configHome)
{
    const QString path = userChoicesPath(configHome);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return QStringLiteral("A beállítások mappája nem hozható létre: %1").arg(QFileInfo(path).path());
    QSettings s(path, QSettings::IniFormat);
    if (value.isEmpty())
        s.remove(key);
    else
        s.setValue(key, value);
    s.sync();
    if (s.status() != QSettings::NoError)
        return QStringLiteral("A választás nem menthető ide: %1").arg(path);
    return {};
}
} // namespace

QString userChoicesPath(const QString& configHome) { return configHome + QStringLiteral("/ejteto/valasztasok.ini"); }

QString playbackVoiceChoice(const QString& configHome) { return choice(kPlaybackVoiceKey, configHome); }

QString keepPlaybackVoiceChoice(const QString& voice, const QString& configHome)
{
    return keepChoice(kPlaybackVoiceKey, voice, configHome);
}

QString recordingVoiceChoice(const QString& configHome) { return choice(kRecordingVoiceKey, configHome); }

QString keepRecordingVoiceChoice(const QString& voice, const QString& configHome)
{
    return keepChoice(kRecordingVoiceKey, voice, configHome);
}

} // namespace ejteto
