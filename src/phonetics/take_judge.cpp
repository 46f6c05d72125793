#include "phonetics/take_judge.h"

#include "content/recording_player.h"
#include "content/tables.h"
#include "phonetics/formant_analysis.h"
#include "phonetics/word_vowel.h"

#include <algorithm>

namespace ejteto::phonetics {

namespace {

// The vowel found in the take (a word's stressed vowel, or the vowel said
// alone), then measured where it lies.
VowelAnalysis analyseTake(const qint16* samples, qsizetype count, int sampleRate, const TakeTarget& target)
{
    const VowelSpan span = findVowel(samples, count, sampleRate, {target.word, target.sound});
    if (!span.ok()) {
        VowelAnalysis failed;
        failed.fault = span.fault;
        return failed;
    }
    return analyseVowelAt(samples, count, sampleRate, span.startSec, span.endSec, span.f0);
}

} // namespace

TakeTarget takeTargetOf(const CourseRecording& model, const ContentTables& tables)
{
    TakeTarget target;
    if (model.kind == CourseRecording::Kind::Vowel) {
        target.sound = model.soundId;
    } else {
        target.sound = SoundOfWord(tables, model.word);
        target.word = model.word;
    }
    if (target.known()) {
        const SoundRecord& s = tables.SoundTable[static_cast<size_t>(target.sound)];
        target.confusables = {s.Confusable1, s.Confusable2};
    } else {
        target.sound = 0;
    }
    return target;
}

std::vector<qint16> monoSamples(const VoiceTake& take)
{
    const int channels = std::max(1, take.channels);
    const int16_t* all = take.samples.data();
    const qsizetype frames = qsizetype(take.samples.size()) / channels;
    std::vector<qint16> mono(static_cast<size_t>(frames));
    for (qsizetype i = 0; i < frames; ++i)
        mono[static_cast<size_t>(i)] = all[i * channels];
    return mono;
}

QString shortVerdictText(const JudgedTake& take)
{
    if (!take.verdict)
        return QStringLiteral("nem értékelhető");
    if (take.verdict->uncertain())
        return QStringLiteral("bizonytalan");
    return take.verdict->right() ? QStringLiteral("jó") : QStringLiteral("nem jó");
}

JudgedTake TakeJudge::judge(const qint16* samples, qsizetype count, int sampleRate, const TakeTarget& target)
{
    JudgedTake take;
    take.target = target;
    take.analysis = analyseTake(samples, count, sampleRate, target);
    if (!take.analysis.ok())
        take.fault = TakeFault::NoVowel;
    else if (!course_)
        take.fault = TakeFault::NoCourse;
    else if (!target.known())
        take.fault = TakeFault::UnknownTarget;
    else {
        scale_.addTake(take.analysis.vowel, course_->of(target.sound));
        take.verdict = judgeVowel(take.analysis.vowel, target.sound, target.confusables, *course_, scale_.factor());
        take.fault = TakeFault::None;
    }
    take.scale = scale_.factor();
    take.scaleTakes = scale_.takeCount();
    return take;
}

JudgedTake TakeJudge::judge(const VoiceTake& take, const TakeTarget& target)
{
    const std::vector<qint16> mono = monoSamples(take);
    return judge(mono.data(), static_cast<qsizetype>(mono.size()), take.sampleRate, target);
}

} // namespace ejteto::phonetics
