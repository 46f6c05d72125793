#include "content/content_rules.h"

#include "app/int_conversion.h"
#include "app/paths.h"
#include "app/regular_file.h"
#include "content/line_reader.h"
#include "content/tables.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>

namespace ejteto {

namespace {

const QString kSoundsFile = QStringLiteral("sounds.csv");
const QString kWordsFile = QStringLiteral("words.csv");
constexpr int kMinWordsPerSound = 12; // the picking walk steps twelve places
constexpr int kFaultsShown = 5;

struct Faults {
    std::vector<ContentFault> list;
    void add(const QString& file, int line, const QString& rule) { list.push_back({file, line, rule}); }
};

// The 1-based line on which byte `pos` lies, counting breaks as the loader does.
int lineOfByte(const QByteArray& bytes, qsizetype pos)
{
    int line = 1;
    for (qsizetype i = 0; i < pos; ++i) {
        if (bytes[i] == '\r' && i + 1 < pos && bytes[i + 1] == '\n')
            ++i;
        if (bytes[i] == '\r' || bytes[i] == '\n')
            ++line;
    }
    return line;
}

// Whether the file as a whole can serve as a table; when it cannot, only
// that is reported.
bool servesAsTable(const QByteArray& bytes, const QString& file, Faults& out)
{
    if (bytes.isEmpty()) {
        out.add(file, 0, QStringLiteral("üres fájl"));
        return false;
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        out.add(file, 0, QStringLiteral("UTF-16 kódolású, de Windows-1250 kódolású szöveg kell"));
        return false;
    }
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        out.add(file, lineOfByte(bytes, zero),
                QStringLiteral("nulla bájt van benne (UTF-16 vagy nem szövegfájl?): a program itt abbahagyja az "
                               "olvasását"));
    return true;
}

struct SoundLine {
    int wordCount = -1; // -1 when the line gave no count to compare
    int line = 0;
};

std::array<SoundLine, kSoundCount + 1> checkSounds(const QStringList& lines, Faults& out)
{
    std::array<SoundLine, kSoundCount + 1> sounds{};
    const int dataLines = int(lines.size()) - 1;
    if (dataLines < kSoundCount)
        out.add(kSoundsFile, std::max(1, int(lines.size())),
                QStringLiteral("%1 hang sora van, pontosan %2 kell").arg(std::max(0, dataLines)).arg(kSoundCount));
    static const char* const names[4] = {"sorszám", "szószám", "tévesztett1", "tévesztett2"};
    for (int s = 1; s < lines.size(); ++s) {
        const int lineNo = s + 1;
        if (s > kSoundCount) {
            out.add(kSoundsFile, lineNo, QStringLiteral("fölösleges sor: csak %1 hang lehet").arg(kSoundCount));
            continue;
        }
        if (lines[s].isEmpty()) {
            out.add(kSoundsFile, lineNo, QStringLiteral("üres sor"));
            continue;
        }
        const QStringList f = splitFields(lines[s]);
        if (f.size() < 4) {
            out.add(kSoundsFile, lineNo,
                    QStringLiteral("4 mező kell (sorszám;szószám;tévesztett1;tévesztett2), %1 van").arg(f.size()));
            continue;
        }
        int v[4] = {};
        bool ok = true;
        for (int k = 0; k < 4; ++k) {
            if (const auto n = parseStrictInt(f[k])) {
                v[k] = *n;
                continue;
            }
            out.add(kSoundsFile, lineNo,
                    QStringLiteral("a(z) %1 mező '%2' nem érvényes egész szám").arg(QString::fromUtf8(names[k]), f[k]));
            ok = false;
        }
        if (!ok)
            continue;
        if (v[1] < kMinWordsPerSound)
            out.add(kSoundsFile, lineNo,
                    QStringLiteral("%1 szó kevés: legalább %2 kell").arg(v[1]).arg(kMinWordsPerSound));
        for (int k = 2; k < 4; ++k) {
            if (!SoundId::isValid(v[k]))
                out.add(
                    kSoundsFile, lineNo,
                    QStringLiteral("a(z) %1 (%2) nem hang 1 és 16 között").arg(QString::fromUtf8(names[k])).arg(v[k]));
            else if (v[k] == s)
                out.add(kSoundsFile, lineNo,
                        QStringLiteral("a(z) %1 a hang saját maga").arg(QString::fromUtf8(names[k])));
        }
        sounds[size_t(s)] = {v[1], lineNo};
    }
    return sounds;
}

// The word as a message can show it: control characters as "?".
QString shownWord(QString word)
{
    for (QChar& c : word)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    return word;
}

// The number of words of every sound.
std::array<int, kSoundCount + 1> checkWords(const QStringList& lines, Faults& out)
{
    std::array<int, kSoundCount + 1> countOf{};
    std::set<int> closedBlocks;
    int currentBlock = 0;
    for (int i = 1; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        if (lines[i].isEmpty()) {
            out.add(kWordsFile, lineNo, QStringLiteral("üres sor"));
            continue;
        }
        const QStringList f = splitFields(lines[i]);
        if (f.size() < 3) {
            out.add(kWordsFile, lineNo, QStringLiteral("3 mező kell (szó;hang;jelentés), %1 van").arg(f.size()));
            continue;
        }
        if (f.size() > 3)
            out.add(kWordsFile, lineNo,
                    QStringLiteral("%1 mező van 3 helyett: szó és jelentés nem tartalmazhat ';' jelet").arg(f.size()));
        if (f[0].isEmpty())
            out.add(kWordsFile, lineNo, QStringLiteral("üres szó"));
        else if (!isPlainFileName(f[0]))
            out.add(kWordsFile, lineNo,
                    QStringLiteral("a(z) '%1' szó nem lehet fájlnév ('/', '\\', '..' és vezérlőkarakter nem lehet "
                                   "benne, ponttal nem kezdődhet), ezért a felvétele nem szólal meg")
                        .arg(shownWord(f[0])));
        const auto id = parseStrictInt(f[1]);
        if (!id) {
            out.add(kWordsFile, lineNo, QStringLiteral("a hang '%1' nem érvényes egész szám").arg(f[1]));
            continue;
        }
        if (!SoundId::isValid(*id)) {
            out.add(kWordsFile, lineNo, QStringLiteral("a hang (%1) nem 1 és 16 közötti").arg(*id));
            continue;
        }
        const int s = *id;
        ++countOf[size_t(s)];
        if (s == currentBlock)
            continue;
        if (closedBlocks.count(s))
            out.add(kWordsFile, lineNo,
                    QStringLiteral("a(z) %1. hang szavai nem egy tömbben állnak: a tömbje már véget ért").arg(s));
        if (currentBlock != 0)
            closedBlocks.insert(currentBlock);
        currentBlock = s;
    }
    return countOf;
}

} // namespace

QString ContentFault::toString() const
{
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(rule)
                    : QStringLiteral("%1: %2").arg(file, rule);
}

std::vector<ContentFault> checkContentRules(const QByteArray& soundsCsv, const QByteArray& wordsCsv)
{
    return checkContentRules(soundsCsv, splitTableLines(soundsCsv), wordsCsv, splitTableLines(wordsCsv));
}

std::vector<ContentFault> checkContentRules(const QByteArray& soundsCsv, const QStringList& soundLines,
                                            const QByteArray& wordsCsv, const QStringList& wordLines)
{
    Faults out;
    std::array<SoundLine, kSoundCount + 1> sounds{};
    if (servesAsTable(soundsCsv, kSoundsFile, out))
        sounds = checkSounds(soundLines, out);
    std::optional<std::array<int, kSoundCount + 1>> counts;
    if (servesAsTable(wordsCsv, kWordsFile, out))
        counts = checkWords(wordLines, out);
    if (counts) {
        for (const SoundId id : allSounds()) {
            const SoundLine& sl = sounds[id.index()];
            const int have = (*counts)[id.index()];
            if (sl.wordCount >= 0 && have != sl.wordCount)
                out.add(kSoundsFile, sl.line,
                        QStringLiteral("a(z) %1. hang szószáma %2, de a words.csv-ben %3 szava van")
                            .arg(id.value())
                            .arg(sl.wordCount)
                            .arg(have));
        }
    }
    sortInFileOrder(out.list);
    return out.list;
}

void sortInFileOrder(std::vector<ContentFault>& faults)
{
    std::stable_sort(faults.begin(), faults.end(), [](const ContentFault& a, const ContentFault& b) {
        const bool aWords = a.file == kWordsFile, bWords = b.file == kWordsFile;
        return aWords != bWords ? bWords : a.line < b.line;
    });
}

QString contentFaultMessage(const std::vector<ContentFault>& faults, const QString& appDir)
{
    if (faults.empty())
        return QString();
    QStringList lines{QStringLiteral("A tartalomtáblák hibásak, ezért a gyakorlás és a teszt kérdései hiányosak "
                                     "vagy hibásak lehetnek:")};
    const size_t shown = std::min<size_t>(faults.size(), kFaultsShown);
    for (size_t i = 0; i < shown; ++i) {
        const ContentFault& f = faults[i];
        const QString path = appDir + f.file;
        lines << (f.line > 0 ? QStringLiteral("%1, %2. sor: %3").arg(path).arg(f.line).arg(f.rule)
                             : QStringLiteral("%1: %2").arg(path, f.rule));
    }
    if (faults.size() > shown)
        lines << QStringLiteral("és még %1 hiba").arg(faults.size() - shown);
    return lines.join(QLatin1Char('\n'));
}

} // namespace ejteto
