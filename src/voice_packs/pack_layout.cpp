#include "voice_packs/pack_layout.h"

#include "app/paths.h"
#include "app/wav_check.h"

#include <QRegularExpression>
#include <algorithm>

namespace ejteto {

namespace {
constexpr int kVowelCount = 16;
// Two folders and the manifest beside the recordings.
constexpr int kOtherEntries = 3;
// A take of a word or vowel is a few seconds; 2 MiB is eleven seconds of
// 48 kHz 16-bit mono, the budget of one recording in a full voice.
constexpr qint64 kBudgetPerRecording = 2 * 1024 * 1024;
constexpr qint64 kMaxManifestBytes = 16 * 1024;

PackEntryName refused(const QString& why, bool escapes = false)
{
    return {PackEntryName::Kind::Refused, {}, why, escapes};
}

// "1".."16" without leading zeros.
bool isVowelNumber(const QString& s)
{
    bool ok = false;
    const int n = s.toInt(&ok);
    return ok && n >= 1 && n <= kVowelCount && QString::number(n) == s;
}
} // namespace

PackEntryName classifyPackEntry(const QString& path, const QSet<QString>& courseWords)
{
    if (path.isEmpty())
        return refused(QStringLiteral("nincs neve"), true);
    if (path.startsWith(QLatin1Char('/')) || path.startsWith(QLatin1Char('\\')) ||
        (path.size() > 1 && path[1] == QLatin1Char(':')))
        return refused(QStringLiteral("abszolút útvonal"), true);
    const QStringList parts = path.split(QRegularExpression(QStringLiteral("[/\\\\]")));
    for (const QString& part : parts)
        if (part == QLatin1String(".."))
            return refused(QStringLiteral("a hang mappáján kívülre mutat"), true);
    QString p = path;
    if (p.startsWith(QLatin1String("./")))
        p = p.mid(2);
    if (p == QLatin1String("words/") || p == QLatin1String("phones/") || p == QLatin1String("words") ||
        p == QLatin1String("phones"))
        return {PackEntryName::Kind::Folder, p.chopped(p.endsWith(QLatin1Char('/')) ? 1 : 0), {}, false};
    if (p == kManifestFileName)
        return {PackEntryName::Kind::Manifest, p, {}, false};
    const QString outside = QStringLiteral("nem illik a hangcsomag felépítésébe (manifest.txt, words/<szó>.wav, "
                                           "phones/<1–16>.wav)");
    const qsizetype slash = p.indexOf(QLatin1Char('/'));
    if (slash < 0 || !p.endsWith(QLatin1String(".wav")))
        return refused(outside);
    const QString folder = p.left(slash);
    const QString stem = p.mid(slash + 1).chopped(4);
    if (!isPlainFileName(stem))
        return refused(outside);
    if (folder == QLatin1String("phones")) {
        if (!isVowelNumber(stem))
            return refused(outside);
        return {PackEntryName::Kind::Vowel, p, {}, false};
    }
    if (folder == QLatin1String("words")) {
        if (!courseWords.contains(stem))
            return refused(QStringLiteral("nem a tananyag szava"));
        return {PackEntryName::Kind::Word, p, {}, false};
    }
    return refused(outside);
}

PackLimits limitsForCourse(int wordCount)
{
    PackLimits l;
    const int recordings = std::max(wordCount, 0) + kVowelCount;
    l.maxEntries = recordings + kOtherEntries;
    l.maxEntryBytes = kMaxRecordingBytes;
    l.maxTotalBytes = recordings * kBudgetPerRecording;
    l.maxManifestBytes = kMaxManifestBytes;
    return l;
}

} // namespace ejteto
