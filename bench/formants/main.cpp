// Formant accuracy against Praat, and the time to analyse a take.
//
// Accuracy: vowels synthesised with known formants (eleven monophthongs of
// a man's tract, scaled by 1.0 to 1.3 for women's and children's, at
// pitches 100 to 300 Hz) are measured by `ejteto_check --formants` and by
// Praat's Burg tracker at one fixed ceiling, as Praat is used by default.
// Rows: the median F1 and F2 errors, and the share of vowels whose F1 and
// F2 both lie within 10 % of the truth; the floor is Praat.
//
// Time: the analysis of a 3 s take (the longest the recorder makes) on one
// core; the floor is the same analysis at a single ceiling, the least a
// Burg tracker does with the same resampler and root finder.
#include "support/clock.h"
#include "support/figures.h"
#include "support/synthetic_vowel.h"

#include "contentkit/wav_file.h"
#include "phonetics/formant_analysis.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

using namespace ejteto;
using namespace ejteto::bench;

namespace {

struct Known {
    const char* name;
    double f1, f2, f3; // a man's
};
// Men's RP-like values; F3 as measured in the same tables.
const Known kVowels[] = {
    {"i", 280, 2250, 2900}, {"I", 380, 1900, 2600}, {"e", 580, 1800, 2550}, {"ae", 780, 1650, 2450},
    {"V", 640, 1250, 2600}, {"A", 650, 1100, 2500}, {"Q", 550, 950, 2450},  {"O", 420, 750, 2500},
    {"U", 380, 1150, 2400}, {"u", 300, 1350, 2250}, {"3", 520, 1400, 2450},
};
const double kScales[] = {1.0, 1.1, 1.2, 1.3};
const double kPitches[] = {100, 150, 200, 250, 300};

struct Case {
    QString file;
    double f1, f2;
};

// Praat at one ceiling, five formants, 25 ms windows, pre-emphasis from
// 50 Hz (its defaults): "file F1 F2" at the middle of each file.
const char* kPraatScript = R"(form Formants
    sentence folder .
    real ceiling 5500
endform
files = Create Strings as file list: "files", folder$ + "/*.wav"
n = Get number of strings
for i to n
    selectObject: files
    name$ = Get string: i
    s = Read from file: folder$ + "/" + name$
    d = Get total duration
    f = To Formant (burg): 0, 5, ceiling, 0.025, 50
    f1 = Get value at time: 1, d / 2, "hertz", "linear"
    f2 = Get value at time: 2, d / 2, "hertz", "linear"
    appendInfoLine: name$, " ", fixed$(f1, 0), " ", fixed$(f2, 0)
    removeObject: s, f
endfor
)";

double errorPercent(double measured, double truth) { return measured > 0 ? 100 * std::abs(measured / truth - 1) : 100; }

struct Accuracy {
    Samples f1, f2;
    Samples share; // one value: % of vowels with F1 and F2 within 10 %
    int within = 0;
};

void add(Accuracy& a, const Case& c, double f1, double f2)
{
    const double e1 = errorPercent(f1, c.f1), e2 = errorPercent(f2, c.f2);
    a.f1.add(e1);
    a.f2.add(e2);
    a.within += e1 <= 10 && e2 <= 10;
}

void finish(Accuracy& a, int total) { a.share.add(100.0 * a.within / total); }

Accuracy program(const std::vector<Case>& cases)
{
    Accuracy a;
    for (const Case& c : cases) {
        QProcess p;
        p.start(QStringLiteral(EJTETO_BENCH_CHECKER), {QStringLiteral("--formants"), c.file});
        if (!p.waitForFinished(60000))
            fail(QStringLiteral("ejteto_check --formants %1 did not finish").arg(c.file));
        const QStringList hz = QString::fromUtf8(p.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
        add(a, c, hz.value(0).toDouble(), hz.value(1).toDouble());
    }
    finish(a, int(cases.size()));
    return a;
}

Accuracy praat(const std::vector<Case>& cases, const QString& folder, int ceiling)
{
    const QString script = folder + QStringLiteral("/formants.praat");
    QFile f(script);
    if (!f.open(QIODevice::WriteOnly) || f.write(kPraatScript) < 0)
        fail(QStringLiteral("cannot write %1").arg(script));
    f.close();
    QProcess p;
    p.start(QStringLiteral("praat"), {QStringLiteral("--run"), script, folder, QString::number(ceiling)});
    if (!p.waitForStarted(10000))
        fail(QStringLiteral("praat cannot be started: install the praat package (scripts/bench does)"));
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        fail(QStringLiteral("praat failed: %1").arg(QString::fromLocal8Bit(p.readAllStandardError())));
    QHash<QString, std::pair<double, double>> measured;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QStringList parts = line.trimmed().split(QLatin1Char(' '));
        if (parts.size() == 3)
            measured.insert(parts[0], {parts[1].toDouble(), parts[2].toDouble()});
    }
    Accuracy a;
    for (const Case& c : cases) {
        const auto m = measured.value(QFileInfo(c.file).fileName(), {0.0, 0.0});
        add(a, c, m.first, m.second);
    }
    finish(a, int(cases.size()));
    return a;
}

std::vector<Case> writeVowels(const QString& folder)
{
    std::vector<Case> cases;
    for (const Known& v : kVowels)
        for (double scale : kScales)
            for (double f0 : kPitches) {
                const QString file =
                    QStringLiteral("%1/%2_%3_%4.wav").arg(folder, QLatin1String(v.name)).arg(scale * 100).arg(f0);
                const std::vector<qint16> pcm = testing::synthesize(testing::monophthong(v.f1, v.f2, v.f3, scale, f0));
                contentkit::PcmAudio audio;
                audio.samples.assign(pcm.begin(), pcm.end());
                contentkit::writeWav(file, audio);
                cases.push_back({file, v.f1 * scale, v.f2 * scale});
            }
    return cases;
}

double analysisMs(const std::vector<qint16>& take, const phonetics::AnalysisOptions& options)
{
    const int64_t start = nowNs();
    const phonetics::VowelAnalysis a = phonetics::analyseVowel(take, 22050, options);
    const double ms = msBetween(start, nowNs());
    if (!a.ok())
        fail(QStringLiteral("the 3 s take was not analysed"));
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions o = parseOptions(argc, argv, 30);

    QTemporaryDir work;
    if (!work.isValid())
        fail(QStringLiteral("no temporary folder"));
    const std::vector<Case> cases = writeVowels(work.path());
    const Accuracy ours = program(cases);
    const Accuracy praat5000 = praat(cases, work.path(), 5000);
    const Accuracy praat5500 = praat(cases, work.path(), 5500);

    // A man's /æ/ held for the longest take, as the recorder delivers it.
    testing::SyntheticVowel longTake = testing::monophthong(780, 1650, 2450, 1.0, 120);
    longTake.seconds = 3;
    const std::vector<qint16> take = testing::synthesize(longTake);
    phonetics::AnalysisOptions oneCeiling;
    oneCeiling.ceilingsHz = {5500};
    Samples time, timeFloor;
    analysisMs(take, {}); // the first run pays for the page faults
    for (int round = 0; round < o.rounds; ++round) {
        time.add(analysisMs(take, {}));
        timeFloor.add(analysisMs(take, oneCeiling));
    }

    if (!o.rowsOnly)
        printHeader();
    for (const auto& [ceiling, p] : {std::pair(5000, &praat5000), std::pair(5500, &praat5500)}) {
        printRow(QStringLiteral("(f) F1 error vs Praat at %1 Hz").arg(ceiling), ours.f1, p->f1, Unit::Percent);
        printRow(QStringLiteral("(f) F2 error vs Praat at %1 Hz").arg(ceiling), ours.f2, p->f2, Unit::Percent);
        printRow(QStringLiteral("(f) F1, F2 within 10 % vs Praat at %1 Hz").arg(ceiling), ours.share, p->share,
                 Unit::Percent);
    }
    printNote(QStringLiteral("%1 synthetic vowels (11 vowels, tract scales 1.0-1.3, pitches 100-300 Hz); "
                             "within 10 %: ejteto_check %2, Praat %3 (5000 Hz) and %4 (5500 Hz)")
                  .arg(cases.size())
                  .arg(ours.within)
                  .arg(praat5000.within)
                  .arg(praat5500.within));
    printRow(QStringLiteral("(f) analysis of a 3 s take"), time, timeFloor, Unit::Milliseconds);
    printNote(QStringLiteral("goal 20 ms on one core; floor: the same analysis at one ceiling (5500 Hz)"));
    return 0;
}
