#include "phonetics/vowel_coach.h"

#include "phonetics/formant_analysis.h"
#include "phonetics/word_vowel.h"

namespace ejteto::phonetics {

namespace {

// The vowel found in the take, then measured where it lies.
VowelAnalysis analyseTake(const qint16* samples, qsizetype count, int sampleRate, const SaidWord& said)
{
    const VowelSpan span = findVowel(samples, count, sampleRate, said);
    if (!span.ok()) {
        VowelAnalysis failed;
        failed.fault = span.fault;
        return failed;
    }
    return analyseVowelAt(samples, count, sampleRate, span.startSec, span.endSec, span.f0);
}

} // namespace

const CoachedTake& VowelCoach::hear(const qint16* samples, qsizetype count, int sampleRate, int target,
                                    std::array<int, 2> confusables, const QString& word)
{
    CoachedTake take;
    take.target = target;
    take.word = word;
    take.analysis = analyseTake(samples, count, sampleRate, {word, target});
    const bool known = target >= 1 && target <= kCourseVowelCount;
    if (take.analysis.ok() && known) {
        if (course_) {
            scale_.addTake(take.analysis.vowel, course_->of(target));
            take.verdict = judgeVowel(take.analysis.vowel, target, confusables, *course_, scale_.factor());
        }
        measured_.push_front(take);
        if (measured_.size() > kKept)
            measured_.pop_back();
    }
    last_ = std::move(take);
    return *last_;
}

} // namespace ejteto::phonetics
