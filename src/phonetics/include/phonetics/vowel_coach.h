#pragma once
// The run's vowel coach: each take of record-and-compare measured, the
// learner's vocal-tract scale refined by it, and judged against the course's
// measured vowels. It remembers the last few takes for the chart, in memory
// only; nothing of the learner's voice is ever stored.
#include "phonetics/course_vowels.h"
#include "phonetics/speaker_scale.h"
#include "phonetics/vowel_verdict.h"

#include <QtGlobal>
#include <deque>
#include <optional>

namespace ejteto::phonetics {

struct CoachedTake {
    int target = 0; // the vowel the learner was repeating, 1..16
    QString word;   // the word said, empty for the vowel alone
    VowelAnalysis analysis;
    std::optional<VowelVerdict> verdict; // when the take held a vowel and the course's are known
};

class VowelCoach {
public:
    // `course`: the course's measured vowels; nothing when the installation
    // lacks them (takes are then measured but not judged).
    explicit VowelCoach(const std::optional<CourseVowels>& course) : course_(course) {}

    // A take of mono 16-bit samples, the learner repeating `target` (1..16),
    // whose confusable vowels are `confusables`; `word` the word said
    // ("cat"), or empty for the vowel alone or a word not known.
    const CoachedTake& hear(const qint16* samples, qsizetype count, int sampleRate, int target,
                            std::array<int, 2> confusables, const QString& word = {});

    // The latest take first; only takes that held a vowel, at most kKept.
    const std::deque<CoachedTake>& measuredTakes() const { return measured_; }
    // The last take, measured or not; nothing before the first.
    const std::optional<CoachedTake>& lastTake() const { return last_; }
    const std::optional<CourseVowels>& course() const { return course_; }
    double scale() const { return scale_.factor(); }

    static constexpr size_t kKept = 5;

private:
    std::optional<CourseVowels> course_;
    SpeakerScale scale_;
    std::deque<CoachedTake> measured_;
    std::optional<CoachedTake> last_;
};

} // namespace ejteto::phonetics
