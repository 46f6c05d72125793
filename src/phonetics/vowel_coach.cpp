#include "phonetics/vowel_coach.h"

namespace ejteto::phonetics {

const JudgedTake& VowelCoach::hear(const VoiceTake& take, const TakeTarget& target)
{
    return keep(judge_.judge(take, target));
}

const JudgedTake& VowelCoach::hear(const qint16* samples, qsizetype count, int sampleRate, const TakeTarget& target)
{
    return keep(judge_.judge(samples, count, sampleRate, target));
}

void VowelCoach::startNewSpeaker()
{
    judge_.useScale(SpeakerScale());
    measured_.clear();
    last_.reset();
}

const JudgedTake& VowelCoach::keep(JudgedTake take)
{
    if (take.measured() && take.target.known()) {
        measured_.push_front(take);
        if (measured_.size() > kKept)
            measured_.pop_back();
    }
    last_ = std::move(take);
    return *last_;
}

} // namespace ejteto::phonetics
