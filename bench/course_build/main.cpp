// The course build: from clean, and after one changed line of the word
// table, with the content builder into a temporary folder. The floor is the
// speech those builds need (see speech_floor.h): all of it from clean, the
// changed word's recordings (in every voice) after the change.
#include "contentkit/course_voices.h"
#include "contentkit/lecture_video.h"
#include "course_build/speech_floor.h"
#include "support/clock.h"
#include "support/figures.h"
#include "support/unattended.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

using namespace ejteto;
using namespace ejteto::bench;

namespace {

// As the build runs it (tools/CMakeLists.txt).
constexpr int kThreads = 4;

void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files))
        if (!QFile::copy(source.filePath(name), to + QLatin1Char('/') + name))
            fail(QStringLiteral("cannot copy %1").arg(source.filePath(name)));
    for (const QString& name : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        copyFolder(source.filePath(name), to + QLatin1Char('/') + name);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

// Wall time of one builder run.
double buildMs(const QString& data, const QString& out, const QString& manifest)
{
    QProcess builder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    builder.setProcessEnvironment(env);
    builder.setStandardOutputFile(QProcess::nullDevice());
    builder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const int64_t start = nowNs();
    builder.start(
        QStringLiteral(EJTETO_BENCH_COURSE_BUILDER),
        {data, out, QStringLiteral("--manifest"), manifest, QStringLiteral("--threads"), QString::number(kThreads)});
    if (!builder.waitForFinished(-1) || builder.exitStatus() != QProcess::NormalExit || builder.exitCode() != 0)
        fail(QStringLiteral("the course builder failed (exit code %1)").arg(builder.exitCode()));
    return msBetween(start, nowNs());
}

double floorMs(const std::vector<contentkit::SpeechRequest>& requests)
{
    const int64_t start = nowNs();
    synthesizeAll(requests, kThreads);
    return msBetween(start, nowNs());
}

// The last line of the word table with its word lengthened by an "s", so the
// change calls for exactly one new recording.
QByteArray withLastWordChanged(const QByteArray& wordsCsv, QString* changedWord)
{
    QByteArray text = wordsCsv;
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    const qsizetype lineStart = text.lastIndexOf('\n') + 1;
    const qsizetype wordEnd = text.indexOf(';', lineStart);
    if (wordEnd < 0)
        fail(QStringLiteral("the last line of words.csv has no ';'"));
    *changedWord = QString::fromLatin1(text.mid(lineStart, wordEnd - lineStart)) + QLatin1Char('s');
    QByteArray changed = wordsCsv;
    changed.insert(wordEnd, 's');
    return changed;
}

// The changed word's speech: the model voice's and every other voice's.
std::vector<contentkit::SpeechRequest> wordInEveryVoice(const QString& word)
{
    std::vector<contentkit::SpeechRequest> requests = {contentkit::wordRequest(word)};
    for (const contentkit::CourseVoice& v : contentkit::courseVoices())
        requests.push_back(contentkit::voiceWordRequest(v, word));
    return requests;
}

} // namespace

int main(int argc, char** argv)
{
    // Lecture slides are painted while the requests are gathered.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const BenchOptions o = parseOptions(argc, argv, 3);
    runUnattended();

    QTemporaryDir work;
    if (!work.isValid())
        fail(QStringLiteral("no temporary folder"));
    const QString data = work.filePath(QStringLiteral("data"));
    const QString out = work.filePath(QStringLiteral("ejteto"));
    const QString manifest = work.filePath(QStringLiteral("course-manifest.txt"));
    copyFolder(QStringLiteral(EJTETO_BENCH_DATA_DIR), data);
    const std::vector<contentkit::SpeechRequest> all = courseSpeech(data);

    Samples clean, cleanFloor;
    for (int round = 0; round < o.rounds; ++round) {
        QDir(out).removeRecursively();
        QFile::remove(manifest);
        clean.add(buildMs(data, out, manifest) / 1000);
        cleanFloor.add(floorMs(all) / 1000);
    }

    // Changed and changed back in turns: every build after the first makes
    // one recording anew from one changed line.
    const QString wordsPath = data + QStringLiteral("/words.csv");
    const QByteArray original = readAll(wordsPath);
    QString changedWord;
    const QByteArray changed = withLastWordChanged(original, &changedWord);
    const QString originalWord = changedWord.chopped(1);
    Samples oneLine, oneLineFloor;
    for (int round = 0; round < 2 * o.rounds + 1; ++round) {
        const bool forward = round % 2 == 0;
        writeAll(wordsPath, forward ? changed : original);
        oneLine.add(buildMs(data, out, manifest));
        oneLineFloor.add(floorMs(wordInEveryVoice(forward ? changedWord : originalWord)));
    }
    writeAll(wordsPath, original);

    if (!o.rowsOnly)
        printHeader();
    printRow(QStringLiteral("(e) course build from clean"), clean, cleanFloor, Unit::Seconds);
    printRow(QStringLiteral("(e) course build after one changed line"), oneLine, oneLineFloor, Unit::Milliseconds);
    printNote(QStringLiteral("floor: the %1 espeak-ng runs of the course on %2 threads; after the change, the %3 "
                             "runs for \"%4\" in the model voice and the other voices")
                  .arg(all.size())
                  .arg(kThreads)
                  .arg(contentkit::courseVoices().size() + 1)
                  .arg(changedWord));
    return 0;
}
