#include "contentkit/voice_checker.h"

#include "app/voice_paths.h"
#include "app/wav_check.h"
#include "content/sound_id.h"
#include "voice_packs/voice_pack_import.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

namespace ejteto::contentkit {

namespace {
// Enough names to find the gap; the count tells the rest.
constexpr int kListedWords = 12;

QString listed(const QStringList& names)
{
    QString text = names.mid(0, kListedWords).join(QStringLiteral(", "));
    if (names.size() > kListedWords)
        text += QStringLiteral(" és még %1").arg(names.size() - kListedWords);
    return text;
}

// One voice of `voicesDir`; lines name its files as `shown` + "/words/...".
void checkOneVoice(const QString& voicesDir, const QString& voice, const QString& shown, const QStringList& words,
                   std::vector<TableProblem>& out)
{
    const QString folder = shown;
    QStringList lackingWords;
    QSet<QString> seen;
    for (const QString& w : words) {
        if (w.isEmpty() || seen.contains(w))
            continue;
        seen.insert(w);
        const std::optional<QString> path = voiceWordRecordingPathIn(voicesDir, voice, w);
        if (!path)
            continue; // the table check names such a word
        const WavCheck c = checkWavFile(*path);
        if (c.fault == WavFault::Missing)
            lackingWords << w;
        else if (!c.playable())
            out.push_back({shown + QStringLiteral("/words/") + w + QStringLiteral(".wav"), 0, c.detail});
    }
    QStringList lackingVowels;
    for (const SoundId s : allSounds()) {
        const int n = s.value();
        const QString path = voiceVowelRecordingPathIn(voicesDir, voice, n).value_or(QString());
        const WavCheck c = checkWavFile(path);
        if (c.fault == WavFault::Missing)
            lackingVowels << QString::number(n);
        else if (!c.playable())
            out.push_back({shown + QStringLiteral("/phones/%1.wav").arg(n), 0, c.detail});
    }
    if (lackingWords.size() == seen.size() && lackingVowels.size() == kSoundCount) {
        out.push_back({folder, 0, QStringLiteral("egyetlen felvétel sincs benne (words/<szó>.wav, phones/<n>.wav)")});
        return;
    }
    if (!lackingWords.isEmpty())
        out.push_back(
            {folder, 0,
             QStringLiteral("%1 szó felvétele hiányzik: %2").arg(lackingWords.size()).arg(listed(lackingWords))});
    if (!lackingVowels.isEmpty())
        out.push_back({folder, 0,
                       QStringLiteral("%1 magánhangzó felvétele hiányzik: %2")
                           .arg(lackingVowels.size())
                           .arg(lackingVowels.join(QStringLiteral(", ")))});
}
} // namespace

std::vector<TableProblem> checkVoiceFolders(const QString& installation, const QStringList& words)
{
    std::vector<TableProblem> out;
    const QString voicesDir = QDir(installation).filePath(QStringLiteral("media/voices"));
    for (const QString& voice : voiceFoldersIn(voicesDir))
        checkOneVoice(voicesDir, voice, QStringLiteral("media/voices/") + voice, words, out);
    return out;
}

std::vector<TableProblem> checkVoiceFolder(const QString& voiceFolder, const QStringList& words)
{
    std::vector<TableProblem> out;
    const QFileInfo info(voiceFolder);
    if (!info.isDir()) {
        out.push_back({voiceFolder, 0, QStringLiteral("nincs ilyen mappa")});
        return out;
    }
    checkOneVoice(info.absolutePath(), info.fileName(), voiceFolder, words, out);
    return out;
}

std::vector<TableProblem> checkVoicePack(const QString& packFile, const QStringList& words)
{
    std::vector<TableProblem> out;
    // The import's own checks, into a folder thrown away afterwards.
    const QTemporaryDir scratch;
    const VoicePackImport taken = importVoicePack({packFile, scratch.path(), words, false});
    if (taken.outcome != VoicePackImport::Outcome::Imported) {
        out.push_back({packFile, 0, taken.message});
        return out;
    }
    checkOneVoice(scratch.path(), taken.manifest.name, packFile, words, out);
    return out;
}

} // namespace ejteto::contentkit
