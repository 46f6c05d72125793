#include "contentkit/vowel_check.h"

#include "app/app_error.h"
#include "app/random_source.h"
#include "content/line_reader.h"
#include "content/tables.h"
#include "contentkit/vowels.h"
#include "contentkit/wav_file.h"
#include "phonetics/formant_analysis.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace ejteto::contentkit {

namespace {

using phonetics::CourseVowels;
using phonetics::VowelMeasurement;

VowelMeasurement monophthong(double f1, double f2)
{
    VowelMeasurement v;
    v.onset = v.mid = v.offset = {f1, f2, 2500};
    return v;
}

VowelMeasurement glide(double f1From, double f2From, double f1To, double f2To)
{
    VowelMeasurement v;
    v.onset = {f1From, f2From, 2500};
    v.offset = {f1To, f2To, 2500};
    v.mid = {(f1From + f1To) / 2, (f2From + f2To) / 2, 2500};
    return v;
}

CourseVowels makeRpVowels()
{
    // Monophthongs after Deterding (1997) and Hawkins & Midgley (2005), men,
    // /e/ and /æ/ as today's RP has them (lowered from Wells's 1962 values,
    // /æ/ with F2 about 1550-1750 Hz); diphthongs from their start and end
    // qualities in the same tables.
    CourseVowels rp;
    auto& s = rp.sound;
    s[1] = monophthong(280, 2250);      // iː
    s[2] = monophthong(380, 1900);      // ɪ
    s[3] = monophthong(580, 1800);      // e
    s[4] = monophthong(780, 1650);      // æ
    s[5] = monophthong(300, 1350);      // uː
    s[6] = monophthong(380, 1150);      // ʊ
    s[7] = glide(520, 1850, 360, 2150); // eɪ
    s[8] = glide(750, 1300, 420, 1950); // aɪ
    s[9] = monophthong(650, 1100);      // ɑː
    s[10] = monophthong(640, 1250);     // ʌ
    s[11] = monophthong(550, 950);      // ɒ
    s[12] = glide(450, 750, 400, 1950); // ɔɪ
    s[13] = monophthong(520, 1400);     // ɜː
    s[14] = monophthong(420, 750);      // ɔː
    s[15] = glide(550, 1300, 420, 950); // eʊ
    s[16] = glide(750, 1300, 450, 900); // aʊ
    return rp;
}

// How much higher the course voice's formants lie than the RP men's: the
// mean log ratio over every vowel's F1 and F2 (Nearey's normalisation), so
// no single vowel decides it.
double courseScale(const CourseVowels& measured)
{
    double sum = 0;
    int count = 0;
    for (const SoundId s : allSounds()) {
        const int n = s.value();
        const VowelMeasurement& m = measured.of(n);
        const VowelMeasurement& r = rpVowels().of(n);
        sum += std::log(m.mid.f1 / r.mid.f1) + std::log(m.mid.f2 / r.mid.f2);
        count += 2;
    }
    return std::exp(sum / count);
}

phonetics::VowelAnalysis analyseFile(const QString& path)
{
    const PcmAudio audio = readWav(path);
    return phonetics::analyseVowel(reinterpret_cast<const qint16*>(audio.samples.data()),
                                   static_cast<qsizetype>(audio.samples.size()), audio.sampleRate);
}

QString slashed(int n) { return QLatin1Char('/') + vowelSymbol(n) + QLatin1Char('/'); }

} // namespace

QString courseVowelsFile() { return QStringLiteral("media/phones/formants.csv"); }

const CourseVowels& rpVowels()
{
    static const CourseVowels rp = makeRpVowels();
    return rp;
}

VowelCheck checkCourseVowels(const QString& folder)
{
    VowelCheck check;
    const QDir dir(folder);
    ContentTables tables;
    try {
        RandomSource rng;
        loadSoundTable(tables, readTableLines(dir.filePath(QStringLiteral("sounds.csv"))), rng);
    } catch (const AppError& e) {
        check.problems.push_back({QStringLiteral("sounds.csv"), 0, e.message()});
        return check;
    }
    CourseVowels measured;
    bool all = true;
    for (const SoundId s : allSounds()) {
        const int n = s.value();
        const QString rel = QStringLiteral("media/phones/%1.wav").arg(n);
        LessonVowel lesson;
        lesson.lesson = n;
        try {
            lesson.analysis = analyseFile(dir.filePath(rel));
        } catch (const AppError& e) {
            check.problems.push_back({rel, 0, e.message()});
            all = false;
            check.lessons.push_back(lesson);
            continue;
        }
        if (!lesson.analysis.ok()) {
            check.problems.push_back(
                {rel, 0, QStringLiteral("nem mérhető: %1").arg(phonetics::analysisFaultText(lesson.analysis.fault))});
            all = false;
        } else {
            measured.sound[static_cast<size_t>(n)] = lesson.analysis.vowel;
        }
        check.lessons.push_back(lesson);
    }
    if (!all)
        return check;
    check.vowels = measured;
    check.scale = courseScale(measured);
    for (LessonVowel& lesson : check.lessons) {
        const SoundRecord& s = tables.SoundTable[static_cast<size_t>(lesson.lesson)];
        lesson.verdict = phonetics::judgeVowel(lesson.analysis.vowel, lesson.lesson, {s.Confusable1, s.Confusable2},
                                               rpVowels(), check.scale);
        if (!lesson.verdict.right()) {
            const phonetics::FormantPoint& mid = lesson.analysis.vowel.mid;
            check.problems.push_back(
                {QStringLiteral("media/phones/%1.wav").arg(lesson.lesson), 0,
                 QStringLiteral("a mért magánhangzó (F1 %1, F2 %2 Hz) a(z) %3 hanghoz áll közelebb, nem a lecke "
                                "%4 hangjához")
                     .arg(std::lround(mid.f1))
                     .arg(std::lround(mid.f2))
                     .arg(slashed(lesson.verdict.nearest), slashed(lesson.lesson))});
        }
    }
    return check;
}

QStringList vowelCheckReport(const VowelCheck& check)
{
    QStringList lines;
    for (const LessonVowel& lesson : check.lessons) {
        QString line = QStringLiteral("%1 %2:").arg(lesson.lesson, 2).arg(slashed(lesson.lesson));
        if (!lesson.analysis.ok()) {
            lines << line + QStringLiteral(" nem mérhető");
            continue;
        }
        const VowelMeasurement& v = lesson.analysis.vowel;
        const std::pair<const char*, const phonetics::FormantPoint*> points[] = {
            {"25%", &v.onset}, {"50%", &v.mid}, {"75%", &v.offset}};
        for (const auto& [at, p] : points)
            line += QStringLiteral(" %1 F1 %2 F2 %3")
                        .arg(QLatin1String(at))
                        .arg(std::lround(p->f1))
                        .arg(std::lround(p->f2));
        if (check.vowels)
            line += QStringLiteral("; legközelebb: %1").arg(slashed(lesson.verdict.nearest));
        lines << line;
    }
    if (check.vowels)
        lines << QStringLiteral("A tananyag hangja az RP férfihangokhoz képest: %1×").arg(check.scale, 0, 'f', 2);
    return lines;
}

std::optional<QString> formantsLine(const QString& wavPath, QString* why)
{
    phonetics::VowelAnalysis a;
    try {
        a = analyseFile(wavPath);
    } catch (const AppError& e) {
        if (why)
            *why = e.message();
        return std::nullopt;
    }
    if (!a.ok()) {
        if (why)
            *why = phonetics::analysisFaultText(a.fault);
        return std::nullopt;
    }
    const phonetics::FormantPoint& p = a.vowel.mid;
    return QStringLiteral("%1 %2 %3").arg(std::lround(p.f1)).arg(std::lround(p.f2)).arg(std::lround(p.f3));
}

} // namespace ejteto::contentkit
