// The take judge on real voices: the Hillenbrand et al. (1995) recordings
// of American /hVd/ words by men, women and children, with the authors'
// hand-checked formants. Third-party data, read where it lies and never
// copied; without it the benchmark says it skipped.
//
// Every file is judged twice, as a take on a lesson's tile: once as the
// whole word, once as the vowel cut out at the authors' times. Per group:
//   - the share of files whose F1 and F2 lie within 10 % of the authors'
//     values at the vowel's midpoint, beside Praat's share, Praat told that
//     midpoint (Burg, five formants, 5000 Hz for men, 5500 Hz for women and
//     children, as its manual advises);
//   - the verdict on the vowels both accents share, each talker one run of
//     the program so the speaker's scale builds up as for one learner: the
//     share of own-lesson takes accepted, of confusable takes rejected, and
//     their mean ("uncertain" counts as not the lesson's vowel).
// Last, the time to judge a 3 s take holding a course word, beside the
// plain vowel analysis of the same take at one ceiling.
#include "support/clock.h"
#include "support/figures.h"

#include "contentkit/wav_file.h"
#include "phonetics/course_vowels.h"
#include "phonetics/formant_analysis.h"
#include "phonetics/take_judge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <map>

using namespace ejteto;
using namespace ejteto::bench;

namespace {

struct Row {
    QString file, group, speaker, vowel;
    double startMs = 0, endMs = 0;
    double f1 = 0, f2 = 0; // at 50 %, 0 where the authors could not measure
};

// Men; women; boys and girls together.
QString groupOf(const QString& g)
{
    if (g == QLatin1String("m"))
        return QStringLiteral("men");
    if (g == QLatin1String("w"))
        return QStringLiteral("women");
    return QStringLiteral("children");
}
const QStringList kGroups = {QStringLiteral("men"), QStringLiteral("women"), QStringLiteral("children")};

// The words the files hold, as a learner would take them on a tile.
QString wordOf(const QString& vowel)
{
    static const QHash<QString, QString> words = {
        {QStringLiteral("iy"), QStringLiteral("heed")},  {QStringLiteral("ih"), QStringLiteral("hid")},
        {QStringLiteral("ei"), QStringLiteral("hayed")}, {QStringLiteral("eh"), QStringLiteral("head")},
        {QStringLiteral("ae"), QStringLiteral("had")},   {QStringLiteral("ah"), QStringLiteral("hod")},
        {QStringLiteral("aw"), QStringLiteral("hawed")}, {QStringLiteral("oa"), QStringLiteral("hoed")},
        {QStringLiteral("oo"), QStringLiteral("hood")},  {QStringLiteral("uw"), QStringLiteral("who'd")},
        {QStringLiteral("uh"), QStringLiteral("hud")},   {QStringLiteral("er"), QStringLiteral("heard")}};
    return words.value(vowel);
}

// One talker's run: (file's vowel, lesson), in the README's order.
const std::pair<const char*, int> kRun[] = {{"iy", 1}, {"ih", 1}, {"ih", 2}, {"iy", 2}, {"eh", 3},  {"ae", 3},
                                            {"ae", 4}, {"eh", 4}, {"uw", 5}, {"oo", 5}, {"oo", 6},  {"uw", 6},
                                            {"ei", 7}, {"eh", 7}, {"ah", 9}, {"uh", 9}, {"uh", 10}, {"ah", 10}};

// The scored takes: +1 the lesson's vowel is right, -1 it is not.
int scoreOf(const QString& vowel, int lesson)
{
    static const std::map<std::pair<QString, int>, int> scored = {
        {{QStringLiteral("iy"), 1}, 1},  {{QStringLiteral("ih"), 2}, 1},  {{QStringLiteral("eh"), 3}, 1},
        {{QStringLiteral("ei"), 7}, 1},  {{QStringLiteral("uh"), 10}, 1}, {{QStringLiteral("ih"), 1}, -1},
        {{QStringLiteral("iy"), 2}, -1}, {{QStringLiteral("eh"), 4}, -1}, {{QStringLiteral("eh"), 7}, -1},
        {{QStringLiteral("uh"), 9}, -1}};
    const auto it = scored.find({vowel, lesson});
    return it == scored.end() ? 0 : it->second;
}

double numberOr0(const QString& field)
{
    bool ok = false;
    const double v = field.toDouble(&ok);
    return ok ? v : 0;
}

std::vector<Row> readTruth(const QString& dir)
{
    QFile f(dir + QStringLiteral("/truth.tsv"));
    if (!f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(f.fileName()));
    std::vector<Row> rows;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    const QStringList head = lines.value(0).trimmed().split(QLatin1Char('\t'));
    const auto col = [&](const char* name) {
        const qsizetype i = head.indexOf(QLatin1String(name));
        if (i < 0)
            fail(QStringLiteral("truth.tsv has no column %1").arg(QLatin1String(name)));
        return i;
    };
    const qsizetype file = col("file"), group = col("group"), speaker = col("speaker"), vowel = col("vowel"),
                    start = col("start_ms"), end = col("end_ms"), f1 = col("F1_50"), f2 = col("F2_50");
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList c = lines[i].trimmed().split(QLatin1Char('\t'));
        if (c.size() < head.size())
            continue;
        rows.push_back({c[file], groupOf(c[group]), c[speaker], c[vowel], numberOr0(c[start]), numberOr0(c[end]),
                        numberOr0(c[f1]), numberOr0(c[f2])});
    }
    return rows;
}

// The two confusable sounds of each lesson, from the course's sounds.csv.
std::array<std::array<int, 2>, 17> readConfusables()
{
    QFile f(QStringLiteral(EJTETO_BENCH_DATA_DIR "/sounds.csv"));
    if (!f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(f.fileName()));
    std::array<std::array<int, 2>, 17> confusables{};
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size() && i <= 16; ++i) {
        const QList<QByteArray> c = lines[i].trimmed().split(';');
        if (c.size() >= 4)
            confusables[static_cast<size_t>(i)] = {c[2].toInt(), c[3].toInt()};
    }
    return confusables;
}

phonetics::CourseVowels readCourse()
{
    QFile f(phonetics::courseVowelsPath(QStringLiteral(EJTETO_BENCH_COURSE_DIR "/media")));
    if (!f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1: build the course first").arg(f.fileName()));
    const auto course = phonetics::parseCourseVowels(f.readAll());
    if (!course)
        fail(QStringLiteral("%1 is damaged").arg(f.fileName()));
    return *course;
}

struct Take {
    std::vector<qint16> samples;
    int rate = 0;
};

Take cutOut(const contentkit::PcmAudio& audio, double fromMs, double toMs)
{
    const auto at = [&](double ms) {
        return std::clamp<qsizetype>(std::llround(ms * audio.sampleRate / 1000), 0,
                                     static_cast<qsizetype>(audio.samples.size()));
    };
    return {std::vector<qint16>(audio.samples.begin() + at(fromMs), audio.samples.begin() + at(toMs)),
            audio.sampleRate};
}

Take whole(const contentkit::PcmAudio& audio)
{
    return {std::vector<qint16>(audio.samples.begin(), audio.samples.end()), audio.sampleRate};
}

// The take judge as the program runs it on a tile's take: `word` the word
// said ("had"), or empty for a vowel said alone.
phonetics::JudgedTake judge(phonetics::TakeJudge& judge, const Take& t, int lesson, std::array<int, 2> confusables,
                            const QString& word)
{
    return judge.judge(t.samples.data(), static_cast<qsizetype>(t.samples.size()), t.rate, {lesson, confusables, word});
}

bool within10(double measured, double truth) { return measured > 0 && std::abs(measured / truth - 1) <= 0.10; }

struct Tally {
    int formantsWithin = 0, formantsTotal = 0;
    int accepted = 0, ownTotal = 0, rejected = 0, otherTotal = 0;

    double formantShare() const { return formantsTotal ? 100.0 * formantsWithin / formantsTotal : 0; }
    double acceptShare() const { return ownTotal ? 100.0 * accepted / ownTotal : 0; }
    double rejectShare() const { return otherTotal ? 100.0 * rejected / otherTotal : 0; }
    double balanced() const { return (acceptShare() + rejectShare()) / 2; }
};

// Praat at the authors' midpoint of each file: "F1 F2" per line, in order.
const char* kPraatScript = R"(form Formants
    sentence list list.tsv
endform
t = Read Table from tab-separated file: list$
n = Get number of rows
for i to n
    selectObject: t
    file$ = Get value: i, "file"
    at = Get value: i, "at"
    ceiling = Get value: i, "ceiling"
    s = Read from file: file$
    f = To Formant (burg): 0, 5, ceiling, 0.025, 50
    f1 = Get value at time: 1, at, "hertz", "linear"
    f2 = Get value at time: 2, at, "hertz", "linear"
    appendInfoLine: fixed$(f1, 0), " ", fixed$(f2, 0)
    removeObject: s, f
endfor
)";

std::vector<std::pair<double, double>> praatAtMidpoints(const QString& dir, const std::vector<Row>& rows)
{
    QTemporaryDir work;
    if (!work.isValid())
        fail(QStringLiteral("no temporary folder"));
    QFile script(work.filePath(QStringLiteral("formants.praat")));
    QFile list(work.filePath(QStringLiteral("list.tsv")));
    if (!script.open(QIODevice::WriteOnly) || script.write(kPraatScript) < 0 || !list.open(QIODevice::WriteOnly))
        fail(QStringLiteral("cannot write into %1").arg(work.path()));
    script.close();
    QByteArray lines = "file\tat\tceiling\n";
    for (const Row& r : rows)
        lines += (dir + QLatin1Char('/') + r.file).toUtf8() + '\t' +
                 QByteArray::number((r.startMs + r.endMs) / 2000, 'f', 4) + '\t' +
                 (r.group == QLatin1String("men") ? "5000" : "5500") + '\n';
    list.write(lines);
    list.close();
    QProcess p;
    p.start(QStringLiteral("praat"), {QStringLiteral("--run"), script.fileName(), list.fileName()});
    if (!p.waitForStarted(10000))
        fail(QStringLiteral("praat cannot be started: install the praat package (scripts/bench does)"));
    if (!p.waitForFinished(1800000) || p.exitCode() != 0)
        fail(QStringLiteral("praat failed: %1").arg(QString::fromLocal8Bit(p.readAllStandardError())));
    std::vector<std::pair<double, double>> out;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QStringList parts = line.trimmed().split(QLatin1Char(' '));
        if (parts.size() == 2)
            out.emplace_back(numberOr0(parts[0]), numberOr0(parts[1]));
    }
    if (out.size() != rows.size())
        fail(QStringLiteral("praat measured %1 of %2 files").arg(out.size()).arg(rows.size()));
    return out;
}

void printTable(const std::map<QString, Tally>& word, const std::map<QString, Tally>& cut,
                const std::map<QString, Tally>& praat)
{
    std::printf("%-9s %-10s %9s %9s %9s %9s %9s\n", "group", "takes", "F1F2<10%", "Praat", "accepted", "rejected",
                "balanced");
    for (const QString& g : kGroups)
        for (const auto& [name, tallies] : {std::pair("whole word", &word), std::pair("cut vowel", &cut)}) {
            const Tally& t = tallies->at(g);
            std::printf("%-9s %-10s %8.1f%% %8.1f%% %8.1f%% %8.1f%% %8.1f%%\n", g.toUtf8().constData(), name,
                        t.formantShare(), praat.at(g).formantShare(), t.acceptShare(), t.rejectShare(), t.balanced());
        }
    std::fflush(stdout);
}

double judgeMs(const Take& t, const phonetics::CourseVowels& course, const QString& word)
{
    phonetics::TakeJudge coach(course);
    const int64_t start = nowNs();
    const phonetics::JudgedTake heard = judge(coach, t, 4, {10, 3}, word);
    const double ms = msBetween(start, nowNs());
    if (!heard.analysis.ok())
        fail(QStringLiteral("the 3 s take was not judged: %1").arg(phonetics::analysisFaultText(heard.analysis.fault)));
    return ms;
}

double floorMs(const Take& t)
{
    phonetics::AnalysisOptions oneCeiling;
    oneCeiling.ceilingsHz = {5500};
    const int64_t start = nowNs();
    const phonetics::VowelAnalysis a = phonetics::analyseVowel(t.samples, t.rate, oneCeiling);
    const double ms = msBetween(start, nowNs());
    if (!a.ok())
        fail(QStringLiteral("the 3 s take was not analysed"));
    return ms;
}

// A course word said once in the middle of 3 s of a quiet room's hiss, as
// the recorder's longest take.
Take threeSecondTake()
{
    const contentkit::PcmAudio word =
        contentkit::readWav(QStringLiteral(EJTETO_BENCH_COURSE_DIR "/media/words/cat.wav"));
    Take t{std::vector<qint16>(static_cast<size_t>(3 * word.sampleRate), 0), word.sampleRate};
    quint32 noise = 12345;
    for (qint16& s : t.samples) {
        noise = noise * 1664525u + 1013904223u;
        s = static_cast<qint16>(static_cast<int>(noise >> 24) - 128) / 4;
    }
    const size_t at = (t.samples.size() - std::min(t.samples.size(), word.samples.size())) / 2;
    for (size_t i = 0; i < word.samples.size() && at + i < t.samples.size(); ++i)
        t.samples[at + i] = static_cast<qint16>(std::clamp(t.samples[at + i] + word.samples[i], -32768, 32767));
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions o = parseOptions(argc, argv, 20);
    const phonetics::CourseVowels course = readCourse();

    if (!o.rowsOnly)
        printHeader();
    const Take long3s = threeSecondTake();
    Samples time, timeFloor;
    judgeMs(long3s, course, QStringLiteral("cat")); // the first run pays for the page faults
    for (int round = 0; round < o.rounds; ++round) {
        time.add(judgeMs(long3s, course, QStringLiteral("cat")));
        timeFloor.add(floorMs(long3s));
    }
    printRow(QStringLiteral("(h) judging a 3 s take of a word"), time, timeFloor, Unit::Milliseconds);
    printNote(QStringLiteral("goal 20 ms on one core; floor: the plain vowel analysis at one ceiling (5500 Hz)"));

    const QString dir = qEnvironmentVariable("EJTETO_HILLENBRAND_DIR", QStringLiteral(EJTETO_BENCH_VOICES_DIR));
    if (!QFile::exists(dir + QStringLiteral("/truth.tsv"))) {
        printNote(QStringLiteral("real voices skipped: %1 is absent").arg(dir));
        return 0;
    }
    const std::vector<Row> rows = readTruth(dir);
    const auto confusables = readConfusables();

    std::map<QString, Tally> word, cut, praat;
    const std::vector<std::pair<double, double>> praatHz = praatAtMidpoints(dir, rows);
    std::map<QString, QHash<QString, const Row*>> bySpeaker;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        bySpeaker[r.speaker][r.vowel] = &r;
        if (r.f1 <= 0 || r.f2 <= 0)
            continue;
        const contentkit::PcmAudio audio = contentkit::readWav(dir + QLatin1Char('/') + r.file);
        // Formants alone: a fresh run, the lesson the file's own vowel.
        for (auto [tally, take, said] : {std::tuple(&word[r.group], whole(audio), wordOf(r.vowel)),
                                         std::tuple(&cut[r.group], cutOut(audio, r.startMs, r.endMs), QString())}) {
            phonetics::TakeJudge coach(course);
            const phonetics::JudgedTake heard = judge(coach, take, 1, {3, 2}, said);
            ++tally->formantsTotal;
            tally->formantsWithin += heard.analysis.ok() && within10(heard.analysis.vowel.mid.f1, r.f1) &&
                                     within10(heard.analysis.vowel.mid.f2, r.f2);
        }
        ++praat[r.group].formantsTotal;
        praat[r.group].formantsWithin += within10(praatHz[i].first, r.f1) && within10(praatHz[i].second, r.f2);
    }

    // The verdicts: one run per talker and way of taking.
    for (const auto& [speaker, files] : bySpeaker) {
        for (const bool cutVowel : {false, true}) {
            phonetics::TakeJudge coach(course);
            for (const auto& [vowelName, lesson] : kRun) {
                const QString vowel = QLatin1String(vowelName);
                const Row* r = files.value(vowel, nullptr);
                if (!r)
                    continue;
                const contentkit::PcmAudio audio = contentkit::readWav(dir + QLatin1Char('/') + r->file);
                const Take take = cutVowel ? cutOut(audio, r->startMs, r->endMs) : whole(audio);
                const phonetics::JudgedTake heard = judge(coach, take, lesson, confusables[static_cast<size_t>(lesson)],
                                                          cutVowel ? QString() : wordOf(vowel));
                const int score = scoreOf(vowel, lesson);
                if (score == 0)
                    continue;
                Tally& t = (cutVowel ? cut : word)[r->group];
                const bool accepted = heard.verdict && heard.verdict->right();
                if (score > 0) {
                    ++t.ownTotal;
                    t.accepted += accepted;
                } else {
                    ++t.otherTotal;
                    t.rejected += !accepted;
                }
            }
        }
    }
    printNote(
        QStringLiteral("real voices: %1 files of %2 talkers in %3").arg(rows.size()).arg(bySpeaker.size()).arg(dir));
    printTable(word, cut, praat);
    return 0;
}
