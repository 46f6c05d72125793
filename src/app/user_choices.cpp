#include "app/user_choices.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace ejteto {

namespace {
const QString kVoiceKey = QStringLiteral("Lejatszas/Hang");
}

QString userChoicesPath(const QString& configHome) { return configHome + QStringLiteral("/ejteto/valasztasok.ini"); }

QString playbackVoiceChoice(const QString& configHome)
{
    const QString path = userChoicesPath(configHome);
    if (!QFileInfo(path).isFile())
        return {};
    const QSettings s(path, QSettings::IniFormat);
    return s.value(kVoiceKey).toString();
}

QString keepPlaybackVoiceChoice(const QString& voice, const QString& configHome)
{
    const QString path = userChoicesPath(configHome);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return QStringLiteral("A beállítások mappája nem hozható létre: %1").arg(QFileInfo(path).path());
    QSettings s(path, QSettings::IniFormat);
    if (voice.isEmpty())
        s.remove(kVoiceKey);
    else
        s.setValue(kVoiceKey, voice);
    s.sync();
    if (s.status() != QSettings::NoError)
        return QStringLiteral("A választás nem menthető ide: %1").arg(path);
    return {};
}

} // namespace ejteto
