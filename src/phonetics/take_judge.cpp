#include "phonetics/take_judge.h"

#include "content/recording_player.h"
#include "content/tables.h"
#include "phonetics/formant_analysis.h"

#include <algorithm>

namespace ejteto::phonetics {

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
    const auto* all = reinterpret_cast<const qint16*>(take.samples.constData());
    const qsizetype frames = take.samples.size() / (2 * channels);
    std::vector<qint16> mono(static_cast<size_t>(frames));
    for (qsizetype i = 0; i < frames; ++i)
        mono[static_cast<size_t>(i)] = all[i * channels];
    return mono;
}

JudgedTake TakeJudge::judge(const qint16* samples, qsizetype count, int sampleRate, const TakeTarget& target)
{
    JudgedTake take;
    take.target = target;
    take.analysis = analyseVowel(samples, count, sampleRate);
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
