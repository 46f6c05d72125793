#pragma once
// The Kiejtés window's memory of a run: each take judged by the take judge,
// and the last few kept for the chart, in memory only; nothing of the
// learner's voice is ever stored.
#include "phonetics/take_judge.h"

#include <deque>
#include <optional>

namespace ejteto::phonetics {

class VowelCoach {
public:
    // `course`: the course's measured vowels; nothing when the installation
    // lacks them (takes are then measured but not judged).
    explicit VowelCoach(const std::optional<CourseVowels>& course) : judge_(course) {}

    // A take, the learner repeating `target`.
    const JudgedTake& hear(const VoiceTake& take, const TakeTarget& target);
    const JudgedTake& hear(const qint16* samples, qsizetype count, int sampleRate, const TakeTarget& target);

    // The latest take first; only takes that held a vowel of a known target,
    // at most kKept.
    const std::deque<JudgedTake>& measuredTakes() const { return measured_; }
    // The last take, measured or not; nothing before the first.
    const std::optional<JudgedTake>& lastTake() const { return last_; }
    const std::optional<CourseVowels>& course() const { return judge_.course(); }
    double scale() const { return judge_.scale(); }
    const SpeakerScale& speakerScale() const { return judge_.speakerScale(); }
    // The learner's scale as kept from earlier sessions.
    void restoreScale(const SpeakerScale& scale) { judge_.useScale(scale); }
    // A new learner: the scale starts again from 1, and the chart forgets
    // the last learner's takes.
    void startNewSpeaker();

    static constexpr size_t kKept = 5;

private:
    const JudgedTake& keep(JudgedTake take);

    TakeJudge judge_;
    std::deque<JudgedTake> measured_;
    std::optional<JudgedTake> last_;
};

} // namespace ejteto::phonetics
