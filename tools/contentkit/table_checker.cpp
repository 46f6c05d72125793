#include "contentkit/table_checker.h"

#include "app/int_conversion.h"
#include "content/line_reader.h"
#include "contentkit/result_word_width.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <map>
#include <numeric>
#include <optional>
#include <set>
#include <utility>

namespace ejteto::contentkit {

namespace {
constexpr int kSounds = 16;
const QString kSoundsFile = QStringLiteral("sounds.csv");
const QString kWordsFile = QStringLiteral("words.csv");

struct Collector {
    std::vector<TableProblem> problems;
    void add(const QString& file, int line, const QString& message) { problems.push_back({file, line, message}); }
};

bool isCourseWordCount(int n) { return n >= 25 && n <= 31 && std::gcd(n, 12) == 1; }

bool isWordSpelling(const QString& w)
{
    if (w.isEmpty())
        return false;
    for (const QChar c : w)
        if (c < QLatin1Char('a') || c > QLatin1Char('z'))
            return false;
    return true;
}

// Bytes the code page leaves undefined decode to C1 control characters.
bool hasUndefinedCharacter(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            return true;
    return false;
}

bool hasOuterBlank(const QString& text)
{
    return !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
}

struct SoundLine {
    int wordCount = -1;
    int line = 0;
};

std::vector<SoundLine> checkSounds(const QStringList& lines, Collector& out)
{
    std::vector<SoundLine> sounds(kSounds + 1);
    const int dataLines = int(lines.size()) - 1;
    if (dataLines < kSounds)
        out.add(kSoundsFile, std::max(1, int(lines.size())),
                QStringLiteral("%1 hang sora van, pontosan %2 kell").arg(std::max(0, dataLines)).arg(kSounds));
    for (int s = 1; s < lines.size(); ++s) {
        const int lineNo = s + 1;
        if (s > kSounds) {
            out.add(kSoundsFile, lineNo, QStringLiteral("fölösleges sor: csak %1 hang lehet").arg(kSounds));
            continue;
        }
        const QString& line = lines[s];
        if (line.isEmpty()) {
            out.add(kSoundsFile, lineNo, QStringLiteral("üres sor"));
            continue;
        }
        const QStringList f = line.split(QLatin1Char(';'));
        if (f.size() < 4) {
            out.add(kSoundsFile, lineNo,
                    QStringLiteral("4 mező kell (sorszám;szószám;tévesztett1;tévesztett2), %1 van").arg(f.size()));
            continue;
        }
        int v[4] = {};
        bool ok = true;
        static const char* const names[4] = {"sorszám", "szószám", "tévesztett1", "tévesztett2"};
        for (int k = 0; k < 4; ++k) {
            const auto n = parseStrictInt(f[k]);
            if (!n) {
                out.add(kSoundsFile, lineNo,
                        QStringLiteral("a(z) %1 mező '%2' nem érvényes egész szám")
                            .arg(QString::fromUtf8(names[k]), f[k]));
                ok = false;
            } else {
                v[k] = *n;
            }
        }
        if (!ok)
            continue;
        if (v[0] != s)
            out.add(kSoundsFile, lineNo, QStringLiteral("a sorszám %1, de ez a(z) %2. hang sora").arg(v[0]).arg(s));
        if (v[1] < 12)
            out.add(kSoundsFile, lineNo, QStringLiteral("%1 szó kevés: legalább 12 kell").arg(v[1]));
        else if (std::gcd(v[1], 12) != 1)
            out.add(kSoundsFile, lineNo,
                    QStringLiteral("a szószám (%1) közös osztója 12-vel nagyobb 1-nél: a kérdések szavai "
                                   "ismétlődnének; 25, 29 vagy 31 legyen")
                        .arg(v[1]));
        else if (!isCourseWordCount(v[1]))
            out.add(kSoundsFile, lineNo, QStringLiteral("a szószám (%1) nem 25, 29 vagy 31").arg(v[1]));
        for (int k = 2; k < 4; ++k) {
            if (v[k] < 1 || v[k] > kSounds)
                out.add(kSoundsFile, lineNo,
                        QStringLiteral("a(z) %1 (%2) nem hang 1 és 16 között").arg(QString::fromUtf8(names[k])).arg(v[k]));
            else if (v[k] == s)
                out.add(kSoundsFile, lineNo,
                        QStringLiteral("a(z) %1 a hang saját maga").arg(QString::fromUtf8(names[k])));
        }
        if (v[2] == v[3])
            out.add(kSoundsFile, lineNo, QStringLiteral("a két tévesztett hang ugyanaz (%1)").arg(v[2]));
        sounds[size_t(s)] = {v[1], lineNo};
    }
    return sounds;
}

void checkWords(const QStringList& lines, const std::vector<SoundLine>& sounds, bool soundsUsable, Collector& out)
{
    QHash<QString, int> firstLineOf;
    std::map<int, int> countOf;
    std::set<int> closedBlocks;
    int currentBlock = 0;
    int highestBlock = 0;
    for (int i = 1; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString& line = lines[i];
        if (line.isEmpty()) {
            out.add(kWordsFile, lineNo, QStringLiteral("üres sor"));
            continue;
        }
        const QStringList f = line.split(QLatin1Char(';'));
        if (f.size() < 3) {
            out.add(kWordsFile, lineNo, QStringLiteral("3 mező kell (szó;hang;jelentés), %1 van").arg(f.size()));
            continue;
        }
        if (f.size() > 3)
            out.add(kWordsFile, lineNo,
                    QStringLiteral("%1 mező van 3 helyett: szó és jelentés nem tartalmazhat ';' jelet").arg(f.size()));
        const QString& word = f[0];
        const QString& meaning = f[2];
        if (word.isEmpty())
            out.add(kWordsFile, lineNo, QStringLiteral("üres szó"));
        else if (!isWordSpelling(word))
            out.add(kWordsFile, lineNo,
                    QStringLiteral("a(z) '%1' szó csak kisbetűs angol betűkből állhat (fájlnév is)").arg(word));
        if (meaning.isEmpty())
            out.add(kWordsFile, lineNo, QStringLiteral("üres jelentés"));
        else if (hasOuterBlank(meaning))
            out.add(kWordsFile, lineNo, QStringLiteral("a jelentés szóközzel kezdődik vagy végződik"));
        else if (hasUndefinedCharacter(meaning))
            out.add(kWordsFile, lineNo, QStringLiteral("a jelentésben Windows-1250-ben nem létező karakter van"));
        if (!word.isEmpty()) {
            const auto seen = firstLineOf.constFind(word);
            if (seen != firstLineOf.constEnd())
                out.add(kWordsFile, lineNo, QStringLiteral("a(z) '%1' szó már szerepel a(z) %2. sorban").arg(word).arg(*seen));
            else
                firstLineOf.insert(word, lineNo);
        }
        const auto id = parseStrictInt(f[1]);
        if (!id) {
            out.add(kWordsFile, lineNo, QStringLiteral("a hang '%1' nem érvényes egész szám").arg(f[1]));
            continue;
        }
        if (*id < 1 || *id > kSounds) {
            out.add(kWordsFile, lineNo, QStringLiteral("a hang (%1) nem 1 és 16 közötti").arg(*id));
            continue;
        }
        const int s = *id;
        ++countOf[s];
        if (s != currentBlock) {
            if (closedBlocks.count(s))
                out.add(kWordsFile, lineNo,
                        QStringLiteral("a(z) %1. hang szavai nem egy tömbben állnak: a tömbje már véget ért").arg(s));
            else if (s < highestBlock)
                out.add(kWordsFile, lineNo,
                        QStringLiteral("a(z) %1. hang tömbje a(z) %2. hangé után áll: a tömbök hangsorrendben "
                                       "kövessék egymást")
                            .arg(s)
                            .arg(highestBlock));
            if (currentBlock != 0)
                closedBlocks.insert(currentBlock);
            currentBlock = s;
            highestBlock = std::max(highestBlock, s);
        }
    }
    if (!soundsUsable)
        return;
    for (int s = 1; s <= kSounds; ++s) {
        const SoundLine& sl = sounds[size_t(s)];
        if (sl.wordCount < 0)
            continue;
        const int have = countOf.count(s) ? countOf[s] : 0;
        if (have != sl.wordCount)
            out.add(kSoundsFile, sl.line,
                    QStringLiteral("a(z) %1. hang szószáma %2, de a words.csv-ben %3 szava van")
                        .arg(s)
                        .arg(sl.wordCount)
                        .arg(have));
    }
}

std::optional<QByteArray> readAll(const QString& path, const QString& name, Collector& out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        out.add(name, 0, QStringLiteral("nem nyitható meg: %1").arg(f.errorString()));
        return std::nullopt;
    }
    return f.readAll();
}
} // namespace

QString TableProblem::toString() const
{
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(file, message);
}

std::vector<TableProblem> checkTables(const QByteArray& soundsCsv, const QByteArray& wordsCsv)
{
    Collector out;
    const std::vector<SoundLine> sounds = checkSounds(splitTableLines(soundsCsv), out);
    const QStringList wordLines = splitTableLines(wordsCsv);
    checkWords(wordLines, sounds, true, out);
    for (TableProblem& p : checkResultWordWidths(wordLines))
        out.problems.push_back(std::move(p));
    return out.problems;
}

QStringList requiredInstallationFiles(const QStringList& words)
{
    QStringList files = {QStringLiteral("sounds.csv"), QStringLiteral("words.csv"),
                         QStringLiteral("images/speaker_blue.jpg"), QStringLiteral("images/speaker_brown.jpg"),
                         QStringLiteral("media/null.wav"), QStringLiteral("media/null.avi")};
    for (int n = 1; n <= kSounds; ++n) {
        files << QStringLiteral("images/lecke_i_%1.jpg").arg(n) << QStringLiteral("images/lecke_a_%1.jpg").arg(n)
              << QStringLiteral("media/phones/%1.wav").arg(n) << QStringLiteral("media/videos/%1.avi").arg(n);
    }
    for (const QString& w : words)
        if (!w.isEmpty())
            files << QStringLiteral("media/words/%1.wav").arg(w);
    return files;
}

std::vector<TableProblem> checkContentFolder(const QString& folder)
{
    Collector out;
    const QDir dir(folder);
    const auto sounds = readAll(dir.filePath(kSoundsFile), kSoundsFile, out);
    const auto words = readAll(dir.filePath(kWordsFile), kWordsFile, out);
    if (!sounds || !words)
        return out.problems;
    for (TableProblem& p : checkTables(*sounds, *words))
        out.problems.push_back(p);
    if (!dir.exists(QStringLiteral("images")) && !dir.exists(QStringLiteral("media")))
        return out.problems;
    QStringList wordList;
    const QStringList lines = splitTableLines(*words);
    for (int i = 1; i < lines.size(); ++i)
        wordList << lines[i].section(QLatin1Char(';'), 0, 0);
    for (const QString& rel : requiredInstallationFiles(wordList))
        if (!QFileInfo(dir.filePath(rel)).isFile())
            out.add(rel, 0, QStringLiteral("hiányzik"));
    return out.problems;
}

} // namespace ejteto::contentkit
