#pragma once
// One take of the learner, judged: measured, the speaker's scale refined
// by it, and set against the course's vowels. What comes out is a plain
// value (`JudgedTake`) that every observer reads alike: the Kiejtés window
// builds its Hungarian sentence from it, the history keeps it. Nothing of
// the learner's voice is kept, only what was measured.
#include "content/voice_recorder.h"
#include "phonetics/course_vowels.h"
#include "phonetics/speaker_scale.h"
#include "phonetics/vowel_verdict.h"

#include <QString>
#include <array>
#include <optional>

namespace ejteto {
struct ContentTables;
struct CourseRecording;
} // namespace ejteto

namespace ejteto::phonetics {

// What the learner was repeating: a lesson's vowel, or a word with its
// vowel. Judging looks at `sound` and its two `confusables`; the word tells
// the vowel finder that a whole word was said, and is carried along for
// the verdict's sentence and whoever reads the take back.
struct TakeTarget {
    int sound = 0;                    // the vowel, 1..16; 0 when not known
    std::array<int, 2> confusables{}; // the vowels learners take for it; 0: none
    QString word;                     // the word said; empty for the vowel alone

    bool known() const { return SoundId::isValid(sound); }
};

// The target of a take of `model` (a course vowel or word recording), its
// confusables from the sounds table.
TakeTarget takeTargetOf(const CourseRecording& model, const ContentTables& tables);

// Why a take has no verdict.
enum class TakeFault {
    None,          // judged: `verdict` holds it
    NoVowel,       // the analysis found no vowel; `analysis.fault` says why
    NoCourse,      // measured, but the course's own vowels are missing
    UnknownTarget, // measured, but the vowel being repeated is not known
};

struct JudgedTake {
    TakeTarget target;
    TakeFault fault = TakeFault::NoVowel;
    // The formants at onset, mid and offset of the vowel, the pitch and where
    // it lay; meaningful when `analysis.ok()`.
    VowelAnalysis analysis;
    // The nearest vowel, the distances and the ways to move; only when
    // `fault` is None.
    std::optional<VowelVerdict> verdict;
    double scale = 1;   // the speaker's scale the take was judged with
    int scaleTakes = 0; // how many takes that scale was estimated from

    bool judged() const { return fault == TakeFault::None; }
    bool measured() const { return analysis.ok(); }
    // The vowel heard: the target or one of its confusables; 0 when not judged.
    int nearest() const { return verdict ? verdict->nearest : 0; }
};

// The take's outcome in a word or two, for a list of words said: "jó",
// "nem jó", "bizonytalan", or "nem értékelhető" when it has no verdict.
QString shortVerdictText(const JudgedTake& take);

// The mono samples of a take: its first channel.
std::vector<qint16> monoSamples(const VoiceTake& take);

class TakeJudge {
public:
    // `course`: the course's measured vowels; nothing when the installation
    // lacks them (takes are then measured but not judged).
    explicit TakeJudge(const std::optional<CourseVowels>& course) : course_(course) {}

    // A take of mono 16-bit samples at `sampleRate`. A measured take of a
    // known vowel refines the speaker's scale before it is judged.
    JudgedTake judge(const qint16* samples, qsizetype count, int sampleRate, const TakeTarget& target);
    JudgedTake judge(const VoiceTake& take, const TakeTarget& target);

    const std::optional<CourseVowels>& course() const { return course_; }
    double scale() const { return scale_.factor(); }
    const SpeakerScale& speakerScale() const { return scale_; }
    // The scale kept from earlier sessions, or a fresh one for a new learner.
    void useScale(const SpeakerScale& scale) { scale_ = scale; }

private:
    std::optional<CourseVowels> course_;
    SpeakerScale scale_;
};

} // namespace ejteto::phonetics
