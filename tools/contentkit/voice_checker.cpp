#include "contentkit/voice_checker.h"

#include "app/voice_paths.h"
#include "app/wav_check.h"
#include "content/sound_id.h"

#include <QDir>
#include <QSet>

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
} // namespace

std::vector<TableProblem> checkVoiceFolders(const QString& installation, const QStringList& words)
{
    std::vector<TableProblem> out;
    const QString mediaDir = QDir(installation).filePath(QStringLiteral("media"));
    const QDir dir(installation);
    const QString media = QStringLiteral("media");
    for (const QString& voice : voiceFolders(mediaDir)) {
        const QString folder = QStringLiteral("media/voices/") + voice;
        QStringList lackingWords;
        QSet<QString> seen;
        for (const QString& w : words) {
            if (w.isEmpty() || seen.contains(w))
                continue;
            seen.insert(w);
            const std::optional<QString> path = voiceWordRecordingPath(media, voice, w);
            if (!path)
                continue; // the table check names such a word
            const QString& rel = *path;
            const WavCheck c = checkWavFile(dir.filePath(rel));
            if (c.fault == WavFault::Missing)
                lackingWords << w;
            else if (!c.playable())
                out.push_back({rel, 0, c.detail});
        }
        QStringList lackingVowels;
        for (const SoundId s : allSounds()) {
            const int n = s.value();
            const QString rel = voiceVowelRecordingPath(media, voice, n);
            const WavCheck c = checkWavFile(dir.filePath(rel));
            if (c.fault == WavFault::Missing)
                lackingVowels << QString::number(n);
            else if (!c.playable())
                out.push_back({rel, 0, c.detail});
        }
        if (lackingWords.size() == seen.size() && lackingVowels.size() == kSoundCount) {
            out.push_back(
                {folder, 0, QStringLiteral("egyetlen felvétel sincs benne (words/<szó>.wav, phones/<n>.wav)")});
            continue;
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
    return out;
}

} // namespace ejteto::contentkit
