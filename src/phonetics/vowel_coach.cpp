#include "phonetics/vowel_coach.h"

#include "phonetics/formant_analysis.h"

namespace ejteto::phonetics {

const CoachedTake& VowelCoach::hear(const qint16* samples, qsizetype count, int sampleRate, int target,
                                    std::array<int, 2> confusables)
{
    CoachedTake take;
    take.target = target;
    take.analysis = analyseVowel(samples, count, sampleRate);
    const bool known = SoundId::isValid(target);
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
