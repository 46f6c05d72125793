#include "contentkit/table_checker.h"

#include "app/int_conversion.h"
#include "app/regular_file.h"
#include "content/content_rules.h"
#include "content/line_reader.h"
#include "contentkit/result_word_width.h"
#include "contentkit/voice_checker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
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

bool hasOuterBlank(const QString& text) { return !text.isEmpty() && (text.front().isSpace() || text.back().isSpace()); }

// The course's own rules, on top of those the program relies on (checked by
// checkContentRules): the line number in the first field, word counts that
// keep the ten picks of a run apart, two different confusables.
void checkCourseSounds(const QStringList& lines, Collector& out)
{
    for (int s = 1; s < lines.size() && s <= kSounds; ++s) {
        const QStringList f = lines[s].split(QLatin1Char(';'));
        if (f.size() < 4)
            continue;
        int v[4] = {};
        bool ok = true;
        for (int k = 0; k < 4 && ok; ++k) {
            const auto n = parseStrictInt(f[k]);
            ok = n.has_value();
            v[k] = n.value_or(0);
        }
        if (!ok)
            continue;
        const int lineNo = s + 1;
        if (v[0] != s)
            out.add(kSoundsFile, lineNo, QStringLiteral("a sorszám %1, de ez a(z) %2. hang sora").arg(v[0]).arg(s));
        if (v[1] >= 12 && std::gcd(v[1], 12) != 1)
            out.add(kSoundsFile, lineNo,
                    QStringLiteral("a szószám (%1) közös osztója 12-vel nagyobb 1-nél: a kérdések szavai "
                                   "ismétlődnének; 25, 29 vagy 31 legyen")
                        .arg(v[1]));
        else if (v[1] >= 12 && !isCourseWordCount(v[1]))
            out.add(kSoundsFile, lineNo, QStringLiteral("a szószám (%1) nem 25, 29 vagy 31").arg(v[1]));
        if (v[2] == v[3])
            out.add(kSoundsFile, lineNo, QStringLiteral("a két tévesztett hang ugyanaz (%1)").arg(v[2]));
    }
}

// Words: plain lower-case spellings (they are file names), each once; tidy
// meanings; the blocks of the sounds in sound order.
void checkCourseWords(const QStringList& lines, Collector& out)
{
    QHash<QString, int> firstLineOf;
    std::set<int> closedBlocks;
    int currentBlock = 0;
    int highestBlock = 0;
    for (int i = 1; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QStringList f = lines[i].split(QLatin1Char(';'));
        if (lines[i].isEmpty() || f.size() < 3)
            continue;
        const QString& word = f[0];
        const QString& meaning = f[2];
        if (!word.isEmpty() && !isWordSpelling(word))
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
                out.add(kWordsFile, lineNo,
                        QStringLiteral("a(z) '%1' szó már szerepel a(z) %2. sorban").arg(word).arg(*seen));
            else
                firstLineOf.insert(word, lineNo);
        }
        const auto id = parseStrictInt(f[1]);
        if (!id || *id < 1 || *id > kSounds || *id == currentBlock)
            continue;
        const int s = *id;
        // A block that comes back is reported by the program's rules already.
        if (!closedBlocks.count(s) && s < highestBlock)
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

std::optional<QByteArray> readAll(const QString& path, const QString& name, Collector& out)
{
    // Read as the program reads it: never waiting on a FIFO, never without end.
    FileRead r = readRegularFile(path, kMaxTableBytes);
    if (!r.bytes)
        out.add(name, 0, QStringLiteral("nem nyitható meg: %1").arg(r.reason));
    return r.bytes;
}
} // namespace

std::vector<TableProblem> checkTables(const QByteArray& soundsCsv, const QByteArray& wordsCsv)
{
    Collector out;
    const QStringList soundLines = splitTableLines(soundsCsv);
    const QStringList wordLines = splitTableLines(wordsCsv);
    for (const ContentFault& f : checkContentRules(soundsCsv, soundLines, wordsCsv, wordLines))
        out.add(f.file, f.line, f.rule);
    checkCourseSounds(soundLines, out);
    checkCourseWords(wordLines, out);
    for (TableProblem& p : checkResultWordWidths(wordLines))
        out.problems.push_back(std::move(p));
    // One list in file order, as a teacher goes through the files.
    sortInFileOrder(out.problems);
    return out.problems;
}

QStringList requiredInstallationFiles(const QStringList& words)
{
    QStringList files = {QStringLiteral("sounds.csv"),
                         QStringLiteral("words.csv"),
                         QStringLiteral("images/speaker_blue.jpg"),
                         QStringLiteral("images/speaker_brown.jpg"),
                         QStringLiteral("media/null.wav"),
                         QStringLiteral("media/null.avi")};
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
    for (TableProblem& p : checkVoiceFolders(folder, wordList))
        out.problems.push_back(std::move(p));
    return out.problems;
}

} // namespace ejteto::contentkit
