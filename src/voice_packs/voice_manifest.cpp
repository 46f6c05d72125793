#include "voice_packs/voice_manifest.h"

#include "app/paths.h"
#include "voice_packs/pack_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ejteto {

namespace {
const QByteArray kFirstLine = QByteArrayLiteral("ejteto-voice 1");
constexpr qsizetype kMaxNameLength = 64;

// A value stays on its line.
QByteArray oneLine(const QString& s)
{
    QString v = s;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v.trimmed().toUtf8();
}
} // namespace

bool isVoiceName(const QString& name) { return isPlainFileName(name) && name.size() <= kMaxNameLength; }

QByteArray manifestText(const VoiceManifest& m)
{
    QByteArray out = kFirstLine + '\n';
    out += "name=" + oneLine(m.name) + '\n';
    out += "description=" + oneLine(m.description) + '\n';
    out += "accent=" + oneLine(m.accent) + '\n';
    out += "licence=" + oneLine(m.licence) + '\n';
    out += "course=" + oneLine(m.courseVersion) + '\n';
    return out;
}

std::optional<VoiceManifest> parseManifest(const QByteArray& text, QString* why)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != kFirstLine) {
        *why = QStringLiteral("a manifest.txt nem hangcsomag leírása (az első sora nem „ejteto-voice 1”)");
        return std::nullopt;
    }
    VoiceManifest m;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        const QString value = QString::fromUtf8(line.mid(eq + 1)).trimmed();
        if (key == "name")
            m.name = value;
        else if (key == "description")
            m.description = value;
        else if (key == "accent")
            m.accent = value;
        else if (key == "licence")
            m.licence = value;
        else if (key == "course")
            m.courseVersion = value;
    }
    if (!isVoiceName(m.name)) {
        *why = QStringLiteral("a manifest.txt hangneve („%1”) nem lehet mappa neve").arg(m.name);
        return std::nullopt;
    }
    return m;
}

VoiceManifest manifestOfFolder(const QString& voiceFolder)
{
    const QString name = QFileInfo(voiceFolder).fileName();
    QFile f(QDir(voiceFolder).filePath(kManifestFileName));
    if (f.open(QIODevice::ReadOnly)) {
        QString why;
        if (auto m = parseManifest(f.read(limitsForCourse(0).maxManifestBytes), &why)) {
            m->name = name;
            return *m;
        }
    }
    VoiceManifest m;
    m.name = name;
    return m;
}

QString writeManifestFile(const QString& voiceFolder, const VoiceManifest& m)
{
    QSaveFile f(QDir(voiceFolder).filePath(kManifestFileName));
    if (!f.open(QIODevice::WriteOnly) || f.write(manifestText(m)) < 0 || !f.commit())
        return QStringLiteral("A hang leírása nem írható: %1").arg(f.errorString());
    return {};
}

} // namespace ejteto
